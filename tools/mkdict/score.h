#pragma once
// Measures the first-meaning ranking of a written set on a list of common words.
// List format, UTF-8: "word TAB good translation | good translation ...", '#' starts a
// comment line. A word counts as a hit when the first meaning the program would use
// (notes removed, German article joined and then ignored, ASCII case ignored) is one of
// its good translations.

#include <ostream>
#include <string>

namespace lexavo::mkdict {

struct Score {
    size_t words = 0;
    size_t found = 0;  // words that are headwords of the set
    size_t hits = 0;
};

bool scoreFirstMeanings(const std::string& dir, const std::string& stem,
                        const std::string& listPath, bool verbose, std::ostream& out, Score& score,
                        std::string& error);

}  // namespace lexavo::mkdict
