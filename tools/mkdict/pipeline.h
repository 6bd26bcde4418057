#pragma once
// From sources to a ranked lexicon: which inputs a set reads and how they combine.

#include <string>
#include <vector>

#include "lexicon.h"
#include "morphology/hunspell_base_forms.h"
#include "ranking.h"
#include "report.h"

namespace lexavo::mkdict {

struct Source {
    enum class Kind { kTsv, kDictd, kDing } kind;
    std::string path;  // a dictd database is named by its base path without extension
};

struct Recipe {
    std::vector<Source> inputs;          // headword -> meanings, in this order
    std::vector<Source> pivotThrough;    // when set, inputs are pivoted through these
    std::vector<Source> confirmBy;       // reverse dictionaries that confirm pairs
    std::vector<Source> addAfterInvert;  // added forwards after the inversion
    bool rank = false;                   // rank senses (else keep the source order)
    RankWeights weights;                 // of every ranking the recipe does
    // Word tables (data/wordtables/<lang>) of the input's headword language, of its
    // meanings' language and, for a pivot, of the pivot language; empty: none.
    std::string headwordWords;
    std::string meaningWords;
    std::string pivotWords;
    // The files of a reviewed order of the commonest headwords' meanings, applied
    // last as one list.
    std::vector<std::string> reviewed;
    // The reviewed files of the other direction, applied before the inversion, so that
    // what its review dropped or added carries over.
    std::vector<std::string> reviewedBeforeInvert;
    // The reviewed files of the pivot dictionary's own set (English-Czech for the German
    // sets), applied to it before the pivot, so that its reviewed order carries over.
    std::vector<std::string> reviewedPivot;
    bool invert = false;
    // An inverted headword keeps its best meanings only: a common word is the
    // translation of hundreds of words, most of them far from its own sense.
    size_t invertedMeanings = 24;
};

// After the pivot: a plural-only headword that has meanings gives them to its singular
// where the singular got none of its own, so that no plural is found and its singular
// not ("Setzlinge", "Setzling").
void fillSingulars(Lexicon& pivoted, lexavo::HunspellBaseForms& spelling);

bool readSource(const Source& source, Lexicon& lexicon, std::string& error);

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

// `report` receives what the reviewed list changed.
bool buildLexicon(const Recipe& recipe, Lexicon& result, Report& report, std::string& error);

}  // namespace lexavo::mkdict
