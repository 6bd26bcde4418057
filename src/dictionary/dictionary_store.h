#pragma once
// The headword store: the loaded dictionary's information record, its headwords in
// a fixed table of slots, and the index from a key byte to the first slot with it.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "dictionary/formats.h"

namespace lexavo {

constexpr uint32_t kHeadwordSlots = 400000;
constexpr size_t kSlotBytes = 40;  // a slot keeps kMaxHeadwordBytes; longer ones lose their tail

// Bytes read from a file, in storage that is reused and never cleared before a read.
struct FileBuffer {
    std::unique_ptr<char[]> data;
    size_t capacity = 0;
    size_t size = 0;
};

// The start-slot index maps a key byte to the first slot whose headword has it; a
// lookup starts there for the folded first byte of what it looks for. The key of a
// headword is its first byte as stored in the .dt1 file, which the pair swap makes the
// second letter of a longer headword and the only letter of a one-letter one. So a
// headword is reachable only from a slot whose key is its own first letter.
using StartIndex = std::array<int32_t, 256>;
constexpr unsigned char startSlotKey(std::string_view headword) {
    if (headword.empty()) return 0;
    return static_cast<unsigned char>(headword.size() >= 2 ? headword[1] : headword[0]);
}
// Adds the headword of `slot`; slots are added in increasing order, so the first
// headword of each key keeps its slot.
constexpr void addToStartIndex(StartIndex& index, std::string_view headword, int32_t slot) {
    const unsigned char key = startSlotKey(headword);
    if (index[key] == -1) index[key] = slot;
}
// "Čj->Nj" sets pin the start slot of 'a' to slot 1, whatever the headwords say: the
// Czech-German file has always been read that way, so its slot 0 holds no a-word.
constexpr unsigned char kPinnedStartLetter = 'a';
constexpr int32_t kPinnedStartSlot = 1;
constexpr void pinStartSlot(StartIndex& index) { index[kPinnedStartLetter] = kPinnedStartSlot; }

// Names of the current dictionary's files, relative to the program directory.
struct DictFileNames {
    std::string nfo;
    std::string dt1;
    std::string dt2;
};

class HeadwordIndex;

class DictionaryStore {
  public:
    DictionaryStore();
    ~DictionaryStore();
    DictionaryStore(const DictionaryStore&) = delete;
    DictionaryStore& operator=(const DictionaryStore&) = delete;

    enum class LoadResult {
        kNoInfoFile,      // .nfo did not open: nothing changed
        kNoHeadwordFile,  // .dt1 did not open: new record, empty index, count 0
        kLoaded,
    };
    // Loads the dictionary named by names from programDir; they stay the store's file
    // names, and programDir its folder, whatever the result. Reading stops at the slot capacity and
    // at the end of the .dt1 file; a record cut off by the end of the file is dropped, and
    // headwordCount is the number of records kept.
    LoadResult loadDictionary(const std::string& programDir, DictFileNames names);
    // Loads the dictionary of the file names in use again.
    LoadResult loadDictionary(const std::string& programDir);

    // Zero-terminated headword of a slot (s < kHeadwordSlots).
    const char* slot(uint32_t s) const { return table_.get() + size_t{s} * kSlotBytes; }
    std::string_view headword(uint32_t s) const { return slot(s); }
    // First slot to scan for a text beginning with `firstByte`, or -1.
    int32_t startSlot(unsigned char firstByte) const { return firstLetterIndex_[firstByte]; }
    const StartIndex& startIndex() const { return firstLetterIndex_; }

    const DictFileNames& fileNames() const { return fileNames_; }
    // The folder the set was last loaded from.
    const std::string& folder() const { return folder_; }
    const DictInfo& dictInfo() const { return dictInfo_; }
    uint32_t headwordCount() const { return headwordCount_; }
    // Counts successful loads, so that caches built over the store can tell that
    // it changed.
    uint64_t generation() const { return generation_; }

    // The index of the loaded headwords as they are, and the one of their ASCII-folded
    // forms, each built on its first use after a load (building one takes longer
    // than the load itself).
    const HeadwordIndex& exactIndex() const;
    const HeadwordIndex& foldedIndex() const;

    // Writes a headword into a slot, the count of headwords in use and the start
    // index; for tests and benchmarks that build a store without files.
    void setSlotForTesting(uint32_t s, std::string_view headword);
    void setHeadwordCountForTesting(uint32_t count);
    StartIndex& startIndexForTesting() { return firstLetterIndex_; }

  private:
    std::string folder_;
    DictFileNames fileNames_;
    DictInfo dictInfo_;
    uint32_t headwordCount_ = 0;
    StartIndex firstLetterIndex_;
    uint64_t generation_ = 0;
    // The .dt1 file's bytes during a load; the storage stays for the next one.
    FileBuffer fileBytes_;
    mutable std::unique_ptr<HeadwordIndex> exactIndex_;
    mutable std::unique_ptr<HeadwordIndex> foldedIndex_;
    char* mutableSlot(uint32_t s) { return table_.get() + size_t{s} * kSlotBytes; }
    std::unique_ptr<char[]> table_;
};

}  // namespace lexavo
