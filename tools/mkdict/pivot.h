#pragma once
// Derived directions: a dictionary inverted (target words become headwords), and a
// dictionary pivoted through a third language (German -> English -> Czech).

#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "lexicon.h"
#include "ranking.h"

namespace lexavo::mkdict {

// Normalized word class: the verb tags vt, vi, vr become v, Ding's prp becomes prep,
// and what follows a ';' in a tag ("prp; +Dat.") is dropped.
std::string wordClass(const std::string& pos);

struct InvertRules {
    int maxWords = 3;  // longer translations are not turned into headwords
    // The lexicon was pivoted, and its senses carry the pivot's homonyms: a sense whose
    // word class the new headword's table excludes is not inverted ("das Pinkeln" is no
    // meaning of the verb "ničit"; a table's slips, "čtyřicet" as a verb, cost little
    // there), nor is a sense of a plural line ("dub" is not "Eichen", whose own line is
    // a calibration). A plural of a source dictionary ("pockets" -> "kapsy") is.
    bool pivoted = false;
};

// Every sense "h -> t" of `ranked` becomes "t -> h". A sense high in h's list, and an
// h with many senses (a common word), score higher.
// `evidence` holds the word tables of the inverted lexicon (headwords: the former
// meanings' language).
Lexicon invertLexicon(const Lexicon& ranked, const InvertRules& rules = {},
                      const Evidence& evidence = {}, const RankWeights& weights = {});

// Behind each headword's first meaning, only words the table of the meanings' language
// has met in real text ("invidious", "copacetic" go), or a reviewer let stand: an
// inverted entry gathers every rare synonym of its English words.
void keepKnownWordsBehindTheFirst(Lexicon& inverted, const WordTable& meanings);

// A German word reaches a Czech one through a single English word with no path back
// when that is all the German word has ("Knebelknopf": "toggle", "vypínač"). For the
// German word it is the best guess there is; among the Czech word's meanings it is
// mostly another sense of the English word. So behind a headword's first meaning only
// meanings that two paths support (Sense::support) or a review let stand are kept,
// where the headword has any such meaning; where it has none, its first three.
void keepConfirmedMeanings(Lexicon& inverted);

// Adds `bonus` to every sense whose pair "headword\ttext" is confirmed.
void addConfirmationBonus(Lexicon& lexicon, const Confirmations& confirmations, double bonus);

// The pivot-language translations of each target word, both ways round: from the
// pivot dictionary (pivot -> target) read backwards and from a dictionary of the
// target language (target -> pivot), case folded.
class BackTranslations {
  public:
    BackTranslations(const Lexicon& right, const Lexicon* back);
    // How many of target's pivot translations are among sourcePivots (folded).
    size_t pathsBack(const std::string& target,
                     const std::unordered_set<std::string>& sourcePivots) const;

  private:
    std::unordered_map<std::string, std::unordered_set<std::string>> byTarget_;
};

struct PivotRules {
    size_t pivotsPerHeadword = 6;  // first pivots of a headword the pivot dictionary has
    size_t targetsPerPivot = 4;    // first translations of each pivot
    size_t meaningsPerHeadword = 12;
    // A target must be of the headword's class where its table knows it ("hnití", a
    // noun, is not "verfaulend"); for pivots whose sources tag their headwords poorly.
    bool headClassOnly = false;
};

// left: source -> pivot language, in source order (first = main sense);
// right: pivot -> target, ranked. Single-word pivots are used, and phrases that `right`
// has as headwords; a pivot's translation must agree in word class with the pivot sense
// where both are known. A target that several pivots agree on is kept and ranks
// higher; one that a single pivot reaches is kept only as the first translation of the
// main pivot (without `back`, also of the second pivot), unless `back` finds another
// path from it to the headword: one of its own translations that is another pivot of
// the headword (the inverse consultation of Tanaka and Umemura).
// `evidence` holds the tables of the result's languages (source and target).
Lexicon pivotLexicon(const Lexicon& left, const Lexicon& right, const PivotRules& rules = {},
                     const Evidence& evidence = {}, const RankWeights& weights = {},
                     const BackTranslations* back = nullptr);

}  // namespace lexavo::mkdict
