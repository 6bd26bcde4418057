#pragma once
// The entry reader's plain algorithm, reading every record from the start of the file
// for every homograph: the reference that differential tests and benchmarks compare
// the cached reader with.

#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"
#include "entry/entry_reader.h"

namespace lexavo {

CollectStatus collectEntryMeaningsReference(const DictionaryStore& store,
                                            const std::string& programDir, std::string_view word,
                                            HomographSlots& homographs,
                                            MeaningTable& recordMeanings,
                                            MeaningTable& entryMeanings);

}  // namespace lexavo
