#pragma once
// The prefix search behind the word list: every headword from the start slot of
// the first typed letter on that begins with the typed letters (ASCII case
// folded), as slot numbers that the word list model shows, and the count line.

#include <cstdint>
#include <memory>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace lexavo {

// Room for the count line: the longest input word (999 bytes) and the plural ending.
constexpr size_t kCountLineBytes = 1032;

class PrefixSearch {
  public:
    PrefixSearch();

    // Empties the list (it then shows one empty row).
    void clearList() { listRows_ = 0; }

    // The search on inputWord (zero-terminated) as the caller filled it: folds it in
    // place, and when it is
    // longer than threshold scans the store, fills the list, matchCount, foundSlot
    // and the count line. Returns whether the scan ran. The list is emptied first
    // in any case.
    bool run(const DictionaryStore& store, char* inputWord, int32_t threshold);

    // Rows of the list: 0 when it shows only its empty row.
    uint32_t listRows() const { return listRows_; }
    // Slot whose headword row r shows (r < listRows()).
    uint32_t rowSlot(uint32_t r) const { return rows_[r]; }
    // The count line of the last scan, code page 1250.
    std::string_view countLine() const { return countLine_; }

    uint32_t matchCount = 0;
    int32_t foundSlot = -1;

  private:
    std::unique_ptr<uint32_t[]> rows_;
    uint32_t listRows_ = 0;
    char countLine_[kCountLineBytes] = {};
};

// "%s: %lu slovo" / "slova" / "slov" by the Czech plural of count.
void formatCountLine(std::string_view folded, uint32_t count, char* out, size_t outBytes);

}  // namespace lexavo
