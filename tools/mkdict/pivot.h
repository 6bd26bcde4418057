#pragma once
// Derived directions: a dictionary inverted (target words become headwords), and a
// dictionary pivoted through a third language (German -> English -> Czech).

#include <cstddef>

#include "lexicon.h"
#include "ranking.h"

namespace lexavo::mkdict {

// Normalized word class: the verb tags vt, vi, vr become v, Ding's prp becomes prep,
// and what follows a ';' in a tag ("prp; +Dat.") is dropped.
std::string wordClass(const std::string& pos);

// Every sense "h -> t" of `ranked` becomes "t -> h". A sense high in h's list, and an
// h with many senses (a common word), score higher. Translations longer than
// `maxWords` words are not turned into headwords.
// `evidence` holds the word tables of the inverted lexicon (headwords: the former
// meanings' language).
Lexicon invertLexicon(const Lexicon& ranked, int maxWords = 3, const Evidence& evidence = {},
                      const RankWeights& weights = {});

// Adds `bonus` to every sense whose pair "headword\ttext" is confirmed.
void addConfirmationBonus(Lexicon& lexicon, const Confirmations& confirmations, double bonus);

struct PivotRules {
    size_t pivotsPerHeadword = 6;  // first distinct single-word pivots of a headword
    size_t targetsPerPivot = 4;    // first translations of each pivot
    size_t meaningsPerHeadword = 12;
};

// left: source -> pivot language, in source order (first = main sense);
// right: pivot -> target, ranked. Only single-word pivots are used, and a pivot's
// translation must agree in word class with the headword where both are known. A
// target reached through one pivot only is kept when it is among the first two of a
// first or second pivot; a target that several pivots agree on is always kept and
// ranks higher.
// `evidence` holds the tables of the result's languages (source and target).
Lexicon pivotLexicon(const Lexicon& left, const Lexicon& right, const PivotRules& rules = {},
                     const Evidence& evidence = {}, const RankWeights& weights = {});

}  // namespace lexavo::mkdict
