#pragma once
// The compiler's plain input: one headword per line, UTF-8,
// "headword TAB meaning TAB meaning ...". Empty lines and lines starting with '#'
// are skipped.

#include <string>

#include "lexicon.h"

namespace lexavo::mkdict {

bool readTsv(const std::string& path, Lexicon& lexicon, std::string& error);

}  // namespace lexavo::mkdict
