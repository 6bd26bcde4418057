#pragma once
// From sources to a ranked lexicon: which inputs a set reads and how they combine.

#include <string>
#include <vector>

#include "lexicon.h"
#include "ranking.h"
#include "report.h"
#include "status.h"

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
    // The meanings are German: of two spellings of a word in one entry ("Nuss", "Nuß")
    // today's stands for both.
    bool germanMeanings = false;
    // An inverted headword keeps its best meanings only: a common word is the
    // translation of hundreds of words, most of them far from its own sense.
    size_t invertedMeanings = 24;
};

Status readSource(const Source& source, Lexicon& lexicon);

// `report` receives what the reviewed list changed.
Status buildLexicon(const Recipe& recipe, Lexicon& result, Report& report);

}  // namespace lexavo::mkdict
