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
//    bracketed notes or of several words is rarely the plain translation;
//  - commonness: how often the translation occurs in real text of its language, and
//    whether a thesaurus knows it in the headword's word class ("island" is "ostrov",
//    a noun, before "ostrovní").

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "lexicon.h"
#include "word_tables.h"

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
    double label = 2.0;  // more for a leading label ("[tech] matice"): a special sense
    double perExtraWord = 0.8;
    double perByte = 0.15;
    double frequency = 0.6;       // times log(1 + occurrences per million) of the meaning
    double pivotFrequency = 0.3;  // the same in a pivot, whose other weights are smaller
    double classMismatch = 1.5;   // the meaning's known classes exclude the headword's
    double specificity = 2.0;
    // The ranked meanings are Czech: a verb sense that is not an infinitive counts as
    // one of another word class.
    bool czechMeanings = false;
    // The meanings are German: a verb's meaning is an infinitive ("bügeln", not
    // "bügelt").
    bool germanMeanings = false;
};

// Word tables of a lexicon's two languages; either may be absent.
struct Evidence {
    const WordTable* headwords = nullptr;
    const WordTable* meanings = nullptr;
};

// A Czech verb's dictionary form is the infinitive ("číst", "jít", "moct", "číst si");
// "četl", "viz", "sen" are not.
bool looksLikeCzechInfinitive(const std::string& text);

// The headword's word class as a class letter (see classLetter): the only class the
// headword table knows, else the class most of its tagged senses have; 0 when unknown.
char headwordClass(const Headword& h, const WordTable* table);

// Commonness and class agreement of one meaning of a headword of class `head`. `share`
// is the part of the meaning's occurrences that belongs to this headword's sense: the
// headword's own commonness over that of all headwords the meaning translates.
double evidenceScore(const std::string& meaning, char head, const Evidence& evidence,
                     const RankWeights& weights, double share = 1.0);

// Scores and sorts the senses of every headword (stable: equal scores keep source
// order). `confirmations` holds "target\tsource" pairs of the reverse dictionary.
void rankSenses(Lexicon& lexicon, const Confirmations& confirmations,
                const RankWeights& weights = {}, const Evidence& evidence = {});

// Sorts by the scores already set (stable).
void sortByScore(Lexicon& lexicon);

}  // namespace lexavo::mkdict
