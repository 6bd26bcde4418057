#pragma once
// The entry reader's plain algorithm, reading every record from the start of the file
// for every homograph: the reference that differential tests and benchmarks compare
// the cached reader with.

#include <cstdio>
#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"
#include "entry/entry_reader.h"

namespace lexavo {

// Record numbers of the homographs of word found by comparing it with every slot,
// from the highest down: at most 10, with the Czech-first titles' shift by one.
void findHomographsByScan(const DictionaryStore& store, std::string_view word, HomographSlots& out);
// Reads records 0 to r of a file positioned at its start, leaving record r in
// buffer (kEntryRecordBytes, zero-terminated). A record keeps its first 999 stored
// bytes; one cut off by the end of the file ends there, and records past the end
// are empty.
void readEntryRecord(std::FILE* file, int32_t r, char* buffer);

CollectStatus collectEntryMeaningsReference(const DictionaryStore& store,
                                            const std::string& programDir, std::string_view word,
                                            HomographSlots& homographs,
                                            MeaningTable& recordMeanings,
                                            MeaningTable& entryMeanings);

}  // namespace lexavo
