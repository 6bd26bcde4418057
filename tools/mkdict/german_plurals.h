#pragma once
// German plurals and participles as the sources write them: a noun given only in plural
// lines gets its singular, a plural pivots through the English singular, a present
// participle is an adjective.

#include <string>

#include "lexicon.h"
#include "morphology/hunspell_base_forms.h"

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

}  // namespace lexavo::mkdict
