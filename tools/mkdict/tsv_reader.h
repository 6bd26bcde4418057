#pragma once
// The compiler's plain input: one headword per line, UTF-8,
// "headword TAB meaning TAB meaning ...". Empty lines and lines starting with '#'
// are skipped.

#include <string>

#include "lexicon.h"
#include "status.h"

namespace lexavo::mkdict {

Status readTsv(const std::string& path, Lexicon& lexicon);

}  // namespace lexavo::mkdict
