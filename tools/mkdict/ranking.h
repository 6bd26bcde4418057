#pragma once
// Orders each headword's senses so that the most common translation comes first (the
// text translator writes the first meaning).
//
// The sources carry no frequencies, so the rank is built from signals they do carry:
//  - confirmation: a small dictionary of the other direction lists the pair (FreeDict
//    Czech-English is a basic vocabulary of a few hundred words);
//  - breadth: how many different source headwords translate to the same target word;
//    measured on the common-words list it hurts (broad words are generic ones such as
//    "činnost"), so its weight is 0;
//  - support: how often the sources repeat the pair;
//  - shape: a sense with a different word class than the headword's usual one, with
//    bracketed notes or of several words is rarely the plain translation.

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "lexicon.h"

namespace lexavo::mkdict {

// Pairs "source\ttarget" confirmed by a dictionary of the other direction, both texts
// without notes and case folded (FreeDict Czech-English writes "Škola" for "škola").
using Confirmations = std::unordered_set<std::string>;
Confirmations confirmationsFrom(const Lexicon& otherDirection);
std::string confirmationKey(const std::string& source, const std::string& target);

// Merges senses whose text without notes is equal (keeping the first text, adding up
// support) and drops empty ones.
void mergeDuplicateSenses(Lexicon& lexicon);

// How many headwords of the lexicon have each target text (without notes).
std::unordered_map<std::string, int> targetBreadth(const Lexicon& lexicon);

struct RankWeights {
    double confirmed = 4.0;
    double breadth = 0.0;  // times log(1 + breadth)
    double support = 0.6;  // times log(support)
    double otherWordClass = 1.5;
    double notes = 1.5;
    double perExtraWord = 0.8;
    double perByte = 0.15;
    // The ranked meanings are Czech: a verb sense that is not an infinitive counts as
    // one of another word class.
    bool czechMeanings = false;
};

// Scores and sorts the senses of every headword (stable: equal scores keep source
// order). `confirmations` holds "target\tsource" pairs of the reverse dictionary.
void rankSenses(Lexicon& lexicon, const Confirmations& confirmations,
                const RankWeights& weights = {});

// Sorts by the scores already set (stable).
void sortByScore(Lexicon& lexicon);

}  // namespace lexavo::mkdict
