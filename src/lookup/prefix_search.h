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

    // Headwords the last scan matched, and the slot of its first match (-1: none),
    // or of the entry the translate command found since.
    uint32_t matchCount() const { return matchCount_; }
    int32_t foundSlot() const { return foundSlot_; }
    // The translate command found the entry of slot (-1: none).
    void recordTranslateFind(int32_t slot) { foundSlot_ = slot; }

  private:
    uint32_t matchCount_ = 0;
    int32_t foundSlot_ = -1;
    std::unique_ptr<uint32_t[]> rows_;
    uint32_t listRows_ = 0;
    char countLine_[kCountLineBytes] = {};
};

// "%s: %lu slovo" / "slova" / "slov" by the Czech plural of count.
void formatCountLine(std::string_view folded, uint32_t count, char* out, size_t outBytes);

}  // namespace lexavo
