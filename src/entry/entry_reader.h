#pragma once
// Reading the entries of the current dictionary from its .dt2 file: every headword
// slot equal to the word (homographs), the record of each, decoded and split into
// meanings, German articles joined to their nouns in the Czech-German direction.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace lexavo {

constexpr size_t kMeaningSlots = 200;
constexpr size_t kMeaningBytes = 50;
constexpr size_t kMaxHomographs = 10;
constexpr size_t kEntryRecordBytes = 1000;

// A fixed table of zero-terminated meanings of at most kMeaningBytes - 1 bytes.
struct MeaningTable {
    char text[kMeaningSlots][kMeaningBytes];
    int32_t count;
    void clear();
    std::string_view at(size_t i) const;
};

struct HomographSlots {
    int32_t records[kMaxHomographs];
    int32_t count;
};

enum class CollectStatus { kOk, kEntryFileMissing };

class EntryReader {  // owns the record-offset cache
public:
    EntryReader();
    ~EntryReader();
    EntryReader(const EntryReader&) = delete;
    EntryReader& operator=(const EntryReader&) = delete;

    // Every slot equal to word (at most 10, highest slot first), read, decoded, split,
    // articles merged in "Čj->Nj"; meanings gathered in entryMeanings.
    CollectStatus collectEntryMeanings(const DictionaryStore& store,
                                       const std::string& programDir, std::string_view word);
    // The same for homograph slots the caller already found (highest first, at most
    // 10): the translator finds them through its own index.
    CollectStatus collectForSlots(const DictionaryStore& store, const std::string& programDir,
                                  const uint32_t* slots, size_t count);

    HomographSlots homographSlots;
    MeaningTable recordMeanings;
    MeaningTable entryMeanings;

private:
    struct OffsetCache;
    OffsetCache* cache_;
};

// The plain algorithm, reading every record from the start of the file for every
// homograph: the reference for differential tests and benchmarks.
CollectStatus collectEntryMeaningsReference(const DictionaryStore& store,
                                            const std::string& programDir,
                                            std::string_view word, HomographSlots& homographs,
                                            MeaningTable& recordMeanings,
                                            MeaningTable& entryMeanings);

}  // namespace lexavo
