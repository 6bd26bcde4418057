#pragma once
// Measures the first-meaning ranking of a written set on a list of common words.
// List format, UTF-8: "word TAB good translation | good translation ...", '#' starts a
// comment line. A word counts as a hit when the first meaning the program would use
// (notes removed, German article joined and then ignored, ASCII case ignored) is one of
// its good translations.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "status.h"
#include "word_tables.h"

namespace lexavo::mkdict {

struct Score {
    size_t words = 0;
    size_t found = 0;  // words that are headwords of the set
    size_t hits = 0;
};

Status scoreFirstMeanings(const std::string& dir, const std::string& stem,
                          const std::string& listPath, bool verbose, std::ostream& out,
                          Score& score);

// The first meaning of every headword of a written set, as the program would show it
// (German article joined), by headword; article forms and letter headwords left out.
Status firstMeanings(const std::string& dir, const std::string& stem,
                     std::vector<std::pair<std::string, std::vector<std::string>>>& out);

// Writes "headword TAB meaning | meaning ..." (UTF-8) for every headword of a written set,
// in slot order.
Status dumpSet(const std::string& dir, const std::string& stem, std::ostream& out);

// Which headwords of a set listCommonest writes: those at commonness positions
// skip + 1 to count (by their rank in the word table); with sample > 0, that many of
// them drawn at random with seed, in order of commonness.
struct CommonestOptions {
    size_t count = 0;
    size_t skip = 0;
    size_t sample = 0;
    unsigned seed = 1;
};

// Writes "headword TAB meaning | meaning ..." (UTF-8) for the chosen headwords.
Status listCommonest(const std::string& dir, const std::string& stem, const WordTable& words,
                     const CommonestOptions& options, std::ostream& out);

// Tallies a judged sample, counting only the verdicts on meanings the set still shows at
// their place (the others are counted stale). Two
// forms of line: "headword TAB first meaning TAB verdict" (the first meaning alone), and
// "headword TAB position TAB meaning TAB verdict" (every meaning of the entry, position
// from 1); verdicts are right, acceptable and wrong.
struct Judged {
    size_t right = 0, acceptable = 0, wrong = 0;
    size_t stale = 0;  // the set's meaning at that place is no longer the judged one
    size_t entries = 0, firstWrong = 0;  // of whole entries: headwords, first meaning wrong
};
Status tallyJudged(const std::string& dir, const std::string& stem, const std::string& path,
                   bool verbose, std::ostream& out, Judged& judged);

}  // namespace lexavo::mkdict
