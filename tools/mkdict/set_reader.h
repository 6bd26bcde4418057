#pragma once
// Reads a written set back the way the program does: headwords through the program's
// loader, entry records by counting from the start of the .dt2 file (from record 1 for
// the Czech-first titles), unscrambled and split at 0x03.

#include <string>
#include <vector>

#include "dictionary/formats.h"
#include "dictionary/german_articles.h"  // joinGermanArticles, for the readers of a set
#include "status.h"

namespace lexavo::mkdict {

struct LoadedSet {
    DictInfo info;
    std::vector<std::string> headwords;             // code page 1250, slot order
    std::vector<std::vector<std::string>> entries;  // meanings of each slot
    std::array<int32_t, 256> startIndex{};          // the loader's firstLetterIndex
    size_t entryRecords = 0;                        // records in the .dt2 file
};

Status readSetBack(const std::string& dir, const std::string& stem, LoadedSet& out);

// Splits a decoded entry text at the meaning separator.
std::vector<std::string> splitRecord(const std::string& text);

}  // namespace lexavo::mkdict
