#include "support/reference_entry_reader.h"

#include <cstdio>

#include "dictionary/program_files.h"

namespace lexavo {

CollectStatus collectEntryMeaningsReference(const DictionaryStore& store,
                                            const std::string& programDir, std::string_view word,
                                            HomographSlots& homographs,
                                            MeaningTable& recordMeanings,
                                            MeaningTable& entryMeanings) {
    entryMeanings.clear();
    findHomographs(store, word, homographs);
    if (homographs.count == 0) return CollectStatus::kOk;
    char buffer[kEntryRecordBytes];
    for (int32_t h = 0; h < homographs.count; ++h) {
        std::FILE* f = openInDir(programDir, store.fileNames.dt2);
        if (f == nullptr) {
            entryMeanings.clear();
            return CollectStatus::kEntryFileMissing;
        }
        readEntryRecord(f, homographs.records[h], buffer);
        std::fclose(f);
        takeEntryRecord(store, buffer, recordMeanings, entryMeanings);
    }
    return CollectStatus::kOk;
}

}  // namespace lexavo
