#include "entry/entry_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "dictionary/formats.h"
#include "dictionary/german_articles.h"
#include "dictionary/program_files.h"
#include "text/cp1250.h"

namespace lexavo {

namespace {

constexpr size_t kScanChunkBytes = 1 << 16;
constexpr unsigned char kTerminator = static_cast<unsigned char>(kRecordTerminator);

}  // namespace

void takeEntryRecord(const DictionaryStore& store, char* buffer, MeaningTable& record,
                     MeaningTable& entry) {
    decodeEntryRecord(buffer);
    splitMeanings(buffer, record);
    if (store.dictInfo.direction() == kDirectionCzechGerman) mergeGermanArticles(record);
    appendMeanings(record, entry);
}

void MeaningTable::clear() {
    std::memset(text, 0, sizeof text);
    count = 0;
}

std::string_view MeaningTable::at(size_t i) const {
    if (i >= kMeaningSlots) return {};
    return std::string_view(text[i], strnlen(text[i], kMeaningBytes));
}

void splitMeanings(const char* text, MeaningTable& meanings) {
    meanings.clear();
    size_t i = 0;
    size_t j = 0;
    for (const char* p = text; *p != 0; ++p) {
        if (*p == kMeaningSeparator) {
            if (i + 1 == kMeaningSlots) break;
            ++i;
            j = 0;
        } else if (j + 1 < kMeaningBytes) {
            meanings.text[i][j++] = *p;
        }
    }
    meanings.count = static_cast<int32_t>(i + 1);
}

void mergeGermanArticles(MeaningTable& meanings) {
    // Only a counted slot is a partner: the empty slot after the last one would
    // turn a lone " der" into an uncounted "der ".
    for (int32_t k = 0; k + 1 < meanings.count; ++k) {
        char* cur = meanings.text[k];
        const std::string_view form(cur, strnlen(cur, kMeaningBytes));
        if (!isGermanArticleFormOf(form, meanings.at(static_cast<size_t>(k) + 1))) continue;
        joinGermanArticleInPlace(cur, form.size());
        const size_t after = kMeaningSlots - static_cast<size_t>(k) - 2;
        std::memmove(meanings.text[k + 1], meanings.text[k + 2], after * kMeaningBytes);
        std::memset(meanings.text[kMeaningSlots - 1], 0, kMeaningBytes);
        --meanings.count;
    }
}

void appendMeanings(const MeaningTable& record, MeaningTable& entry) {
    for (int32_t i = 0; i < record.count; ++i) {
        if (entry.count >= static_cast<int32_t>(kMeaningSlots)) return;
        std::memcpy(entry.text[entry.count], record.text[i], kMeaningBytes);
        ++entry.count;
    }
}

void findHomographs(const DictionaryStore& store, std::string_view word, HomographSlots& out) {
    out.count = 0;
    if (word.size() > kMaxHeadwordBytes || store.headwordCount == 0) return;
    for (uint32_t s = store.headwordCount; s-- > 0;) {
        const char* h = store.slot(s);
        if (std::memcmp(h, word.data(), word.size()) != 0 || h[word.size()] != 0) continue;
        out.records[out.count++] = entryRecordOfSlot(store.dictInfo.title(), s);
        if (out.count == static_cast<int32_t>(kMaxHomographs)) return;
    }
}

// Byte offsets of the records of one entry file, valid while the file keeps its
// identity, size and modification time.
struct EntryReader::OffsetCache {
    std::string dir;
    std::string name;
    std::string path;  // the name resolved in dir
    bool valid = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool lastTerminated = false;
    std::vector<uint64_t> starts;
    uint64_t builds = 0;
    std::unique_ptr<char[]> chunk{new char[kScanChunkBytes]};

    bool matches(const struct stat& st) const {
        return valid && st.st_dev == device && st.st_ino == inode && st.st_size == size &&
               st.st_mtim.tv_sec == modified.tv_sec && st.st_mtim.tv_nsec == modified.tv_nsec;
    }

    void build(int fd, const struct stat& st) {
        valid = false;
        starts.clear();
        ++builds;
        off_t pos = 0;
        bool atRecordStart = true;
        lastTerminated = false;
        for (;;) {
            const ssize_t got = ::pread(fd, chunk.get(), kScanChunkBytes, pos);
            if (got <= 0) break;
            for (ssize_t i = 0; i < got; ++i) {
                if (atRecordStart) starts.push_back(static_cast<uint64_t>(pos + i));
                atRecordStart = static_cast<unsigned char>(chunk[i]) == kTerminator;
            }
            pos += got;
        }
        lastTerminated = atRecordStart && pos > 0;
        device = st.st_dev;
        inode = st.st_ino;
        // What was scanned is what the offsets describe.
        size = pos;
        modified = st.st_mtim;
        valid = pos == st.st_size;
    }

    // Record r into buffer, as reading records 0 to r from the file's start would
    // leave it.
    void read(int fd, int32_t r, char* buffer) const {
        std::memset(buffer, 0, kEntryRecordBytes);
        if (r < 0 || static_cast<size_t>(r) >= starts.size()) return;
        const uint64_t begin = starts[r];
        uint64_t end = static_cast<uint64_t>(size);
        if (static_cast<size_t>(r) + 1 < starts.size()) {
            end = starts[r + 1] - 1;
        } else if (lastTerminated) {
            end = static_cast<uint64_t>(size) - 1;
        }
        const size_t len = static_cast<size_t>(std::min<uint64_t>(end - begin, kMaxRecordBytes));
        const ssize_t got = ::pread(fd, buffer, len, static_cast<off_t>(begin));
        if (got < 0) buffer[0] = 0;
    }
};

EntryReader::EntryReader() : cache_(std::make_unique<OffsetCache>()) {
    homographSlots.count = 0;
    recordMeanings.clear();
    entryMeanings.clear();
    std::memset(entryRecordBuffer_, 0, sizeof entryRecordBuffer_);
}

EntryReader::~EntryReader() = default;

uint64_t EntryReader::cacheBuilds() const { return cache_->builds; }

CollectStatus EntryReader::collectEntryMeanings(const DictionaryStore& store,
                                                const std::string& programDir,
                                                std::string_view word) {
    findHomographs(store, word, homographSlots);
    return readHomographs(store, programDir);
}

CollectStatus EntryReader::collectForSlots(const DictionaryStore& store,
                                           const std::string& programDir, const uint32_t* slots,
                                           size_t count) {
    homographSlots.count = 0;
    for (size_t i = 0; i < count && i < kMaxHomographs; ++i) {
        homographSlots.records[homographSlots.count++] =
            entryRecordOfSlot(store.dictInfo.title(), slots[i]);
    }
    return readHomographs(store, programDir);
}

CollectStatus EntryReader::readHomographs(const DictionaryStore& store,
                                          const std::string& programDir) {
    entryMeanings.clear();
    if (homographSlots.count == 0) return CollectStatus::kOk;
    OffsetCache& c = *cache_;
    if (c.dir != programDir || c.name != store.fileNames.dt2) {
        c.dir = programDir;
        c.name = store.fileNames.dt2;
        c.path = resolveInDir(programDir, c.name);
        c.valid = false;
    }
    for (int32_t h = 0; h < homographSlots.count; ++h) {
        // The file is opened for every homograph, so that one removed meanwhile is
        // reported as missing.
        int fd = ::open(c.path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            // The name may now resolve differently (a file renamed in case only).
            c.path = resolveInDir(programDir, c.name);
            c.valid = false;
            fd = ::open(c.path.c_str(), O_RDONLY | O_CLOEXEC);
        }
        struct stat st {};
        // Only a regular file is an entry file, as for every other program file.
        if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
            ::close(fd);
            fd = -1;
        }
        if (fd < 0) {
            entryMeanings.clear();
            return CollectStatus::kEntryFileMissing;
        }
        if (!c.matches(st)) c.build(fd, st);
        c.read(fd, homographSlots.records[h], entryRecordBuffer_);
        ::close(fd);
        takeEntryRecord(store, entryRecordBuffer_, recordMeanings, entryMeanings);
    }
    return CollectStatus::kOk;
}

}  // namespace lexavo
