#pragma once
// German plurals, participles and verb forms as the sources write them: a noun given
// only in plural lines gets its singular, a plural pivots through the English singular,
// a present participle is an adjective, a Czech verb's German meaning is an infinitive.

#include <string>

#include "lexicon.h"
#include "morphology/hunspell_base_forms.h"
#include "word_tables.h"

namespace lexavo::mkdict {

// The singular of a German plural (UTF-8): by the regular feminine endings ("-ungen",
// "-heiten", ...), else the longest noun stem Hunspell gives that the plural begins with
// (umlauts aside), else a compound's last part made singular ("Erdbeeren" ->
// "Erdbeere"); empty when there is none.
std::string germanSingular(lexavo::HunspellBaseForms& spelling, const std::string& plural);

// A German present participle ("suchend", "modernd", "haltbar machend": its last word
// in small letters, ending in "-end", "-elnd" or "-ernd") whose senses carry no word
// class is an adjective: it translates no noun ("pátrání").
void tagGermanParticiples(Lexicon& lexicon);

// A German noun that the sources give only in plural lines ("Eichen {pl} :: oaks", the
// line of the genus) gets its singular (germanSingular) as a headword with the plural's
// senses made singular ("Eiche" -> "oak"), after the singular's own senses where it has
// lines of its own. The plural stays a headword.
void addSingulars(Lexicon& lexicon, lexavo::HunspellBaseForms& spelling);

// After the pivot: a plural-only headword that has meanings gives them to its singular
// where the singular got none of its own, so that no plural is found and its singular
// not ("Setzlinge", "Setzling").
void fillSingulars(Lexicon& pivoted, lexavo::HunspellBaseForms& spelling);

// Whether a German verb phrase (UTF-8) is in its dictionary form: its last word before
// any trailing prepositions ("winken mit", "weiter gehen als") is an infinitive, which
// ends in "n" ("bügeln", "sein", "sich freuen", "Pause machen"); "pflegte" is not.
bool endsInGermanInfinitive(const std::string& phrase);

// A Czech verb's German meanings are infinitives. A past form or participle a source
// pairs with the verb ("ošetřovat" with "pflegte", "reklamovat" with "reklamiert") gives
// way to the infinitive Hunspell finds for it, at its place; a phrase of such forms
// ("trennte ab", "den Tisch gedeckt") is left out. `czech` tells the headwords' classes.
void keepGermanInfinitives(Lexicon& lexicon, lexavo::HunspellBaseForms& spelling,
                           const WordTable* czech);

}  // namespace lexavo::mkdict
