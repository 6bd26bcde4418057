#include "support/reference_entry_reader.h"

#include <cstdio>
#include <cstring>

#include "dictionary/program_files.h"

namespace lexavo {

namespace {
constexpr unsigned char kTerminator = static_cast<unsigned char>(kRecordTerminator);
}  // namespace

void findHomographsByScan(const DictionaryStore& store, std::string_view word,
                          HomographSlots& out) {
    out.count = 0;
    if (word.size() > kMaxHeadwordBytes || store.headwordCount() == 0) return;
    for (uint32_t s = store.headwordCount(); s-- > 0;) {
        const char* h = store.slot(s);
        if (std::memcmp(h, word.data(), word.size()) != 0 || h[word.size()] != 0) continue;
        out.records[out.count++] = entryRecordOfSlot(store.dictInfo().title(), s);
        if (out.count == static_cast<int32_t>(kMaxHomographs)) return;
    }
}

void readEntryRecord(std::FILE* file, int32_t r, char* buffer) {
    bool atEnd = false;
    for (int32_t k = 0; k <= r; ++k) {
        std::memset(buffer, 0, kEntryRecordBytes);
        if (atEnd) continue;
        size_t j = 0;
        for (;;) {
            const int c = std::getc(file);
            if (c == EOF) {
                atEnd = true;
                break;
            }
            if (c == kTerminator) break;
            if (j < kMaxRecordBytes) buffer[j++] = static_cast<char>(c);
        }
    }
}

CollectStatus collectEntryMeaningsReference(const DictionaryStore& store,
                                            const std::string& programDir, std::string_view word,
                                            HomographSlots& homographs,
                                            MeaningTable& recordMeanings,
                                            MeaningTable& entryMeanings) {
    entryMeanings.clear();
    findHomographsByScan(store, word, homographs);
    if (homographs.count == 0) return CollectStatus::kOk;
    char buffer[kEntryRecordBytes];
    for (int32_t h = 0; h < homographs.count; ++h) {
        std::FILE* f = openInDir(programDir, store.fileNames().dt2);
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
