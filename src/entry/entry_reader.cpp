#include "entry/entry_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "dictionary/formats.h"
#include "dictionary/german_articles.h"
#include "dictionary/headword_index.h"
#include "dictionary/program_files.h"
#include "entry/file_change_watch.h"
#include "text/cp1250.h"
#include "text/regular_file.h"

namespace lexavo {

namespace {}  // namespace

void takeEntryRecord(const DictionaryStore& store, char* buffer, MeaningTable& record,
                     MeaningTable& entry) {
    decodeEntryRecord(buffer);
    splitMeanings(buffer, record);
    if (store.dictInfo().direction() == kDirectionCzechGerman) mergeGermanArticles(record);
    appendMeanings(record, entry);
}

MeaningTable::MeaningTable() : count(0) { std::memset(text, 0, sizeof text); }

void MeaningTable::clear() {
    // Slots from count on are always empty, so only the counted ones need clearing.
    if (count > 0) std::memset(text, 0, static_cast<size_t>(count) * kMeaningBytes);
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
    // The partner of the last counted slot is the empty slot after it: a lone
    // trailing " der" becomes "der " there and the count drops by one, so that the
    // article without a noun leaves the entry.
    for (int32_t k = 0; k < meanings.count; ++k) {
        char* cur = meanings.text[k];
        const std::string_view form(cur, strnlen(cur, kMeaningBytes));
        const size_t next = static_cast<size_t>(k) + 1;
        if (!isGermanArticleFormOf(form, next < kMeaningSlots ? meanings.at(next) : "")) continue;
        joinGermanArticleInPlace(cur, form.size());
        // Every slot after the noun moves up one; the one freed at the end empties.
        if (next < kMeaningSlots) {
            std::memmove(meanings.text[next], meanings.text[next + 1],
                         (kMeaningSlots - next - 1) * kMeaningBytes);
            std::memset(meanings.text[kMeaningSlots - 1], 0, kMeaningBytes);
        }
        --meanings.count;
        // A trailing merge leaves "der " in the slot that has just left the count:
        // emptied, so that every slot from the count on stays empty.
        if (k == meanings.count) std::memset(cur, 0, kMeaningBytes);
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
    uint32_t slots[kMaxHomographs];
    const size_t n = store.exactIndex().find(store, word, slots, kMaxHomographs);
    for (size_t i = 0; i < n; ++i) {
        out.records[i] = entryRecordOfSlot(store.dictInfo().title(), slots[i]);
    }
    out.count = static_cast<int32_t>(n);
}

// The entry file of the loaded dictionary, read into memory once with the byte
// offsets of its records, and valid while the file keeps its identity, size and
// modification time.
struct EntryReader::EntryFile {
    std::string dir;
    std::string name;
    std::string path;  // the name resolved in dir
    bool valid = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool lastTerminated = false;
    std::string data;
    std::vector<uint64_t> starts;
    uint64_t builds = 0;
    // The last look at the file found it as read, with the watch's count and the
    // time as they were just before that look.
    bool lookedOk = false;
    uint64_t storeGeneration = 0;  // the load of the headwords the look went with
    uint64_t noticesAtLook = 0;
    std::chrono::steady_clock::time_point lookedAt{};
    FileChangeWatch watch;

    bool matches(const struct stat& st) const {
        return valid && st.st_dev == device && st.st_ino == inode && st.st_size == size &&
               st.st_mtim.tv_sec == modified.tv_sec && st.st_mtim.tv_nsec == modified.tv_nsec;
    }

    // Reads the file and the offsets of its records; false when it does not open as
    // a regular file.
    bool load() {
        // Only a regular file (opened without blocking), and none larger than a real
        // entry file.
        std::FILE* f = openRegularFile(path);
        if (f == nullptr) return false;
        struct stat st {};
        if (::fstat(fileno(f), &st) != 0 ||
            static_cast<uint64_t>(st.st_size) > kMaxEntryFileBytes) {
            std::fclose(f);
            return false;
        }
        valid = false;
        ++builds;
        data.resize(static_cast<size_t>(st.st_size));
        const size_t got = std::fread(data.data(), 1, data.size(), f);
        std::fclose(f);
        data.resize(got);
        indexRecords();
        device = st.st_dev;
        inode = st.st_ino;
        // What was read is what the offsets describe.
        size = static_cast<off_t>(got);
        modified = st.st_mtim;
        valid = got == static_cast<size_t>(st.st_size);
        return true;
    }

    void indexRecords() {
        starts.clear();
        const char* begin = data.data();
        const char* end = begin + data.size();
        for (const char* p = begin; p < end;) {
            starts.push_back(static_cast<uint64_t>(p - begin));
            const void* t = std::memchr(p, kRecordTerminator, static_cast<size_t>(end - p));
            if (t == nullptr) break;
            p = static_cast<const char*>(t) + 1;
        }
        lastTerminated = !data.empty() && data.back() == kRecordTerminator;
    }

    // Record r into buffer (zero-terminated), as reading records 0 to r from the
    // file's start would leave it.
    void read(int32_t r, char* buffer) const {
        buffer[0] = 0;
        if (r < 0 || static_cast<size_t>(r) >= starts.size()) return;
        const uint64_t begin = starts[r];
        uint64_t end = data.size();
        if (static_cast<size_t>(r) + 1 < starts.size()) {
            end = starts[r + 1] - 1;
        } else if (lastTerminated) {
            end = data.size() - 1;
        }
        const size_t len = static_cast<size_t>(std::min<uint64_t>(end - begin, kMaxRecordBytes));
        std::memcpy(buffer, data.data() + begin, len);
        buffer[len] = 0;
    }
};

EntryReader::EntryReader() : file_(std::make_unique<EntryFile>()) {
    homographSlots.count = 0;
    std::memset(entryRecordBuffer_, 0, sizeof entryRecordBuffer_);
}

EntryReader::~EntryReader() = default;

uint64_t EntryReader::cacheBuilds() const { return file_->builds; }

CollectStatus EntryReader::checkEntryFile(const DictionaryStore& store) {
    const std::string& programDir = store.folder();
    EntryFile& f = *file_;
    const uint64_t notices = f.watch.notices();
    const auto now = std::chrono::steady_clock::now();
    f.lookedOk = false;
    if (f.dir != programDir || f.name != store.fileNames().dt2) {
        f.dir = programDir;
        f.name = store.fileNames().dt2;
        f.path = resolveInDir(programDir, f.name);
        f.valid = false;
    }
    struct stat st {};
    if (::stat(f.path.c_str(), &st) != 0) {
        // The name may now resolve differently (a file renamed in case only).
        std::string path = resolveInDir(programDir, f.name);
        if (path != f.path) {
            f.path = std::move(path);
            f.valid = false;
        }
        if (::stat(f.path.c_str(), &st) != 0) return CollectStatus::kEntryFileMissing;
    }
    // Only a regular file is an entry file, as for every other program file.
    if (!S_ISREG(st.st_mode)) return CollectStatus::kEntryFileMissing;
    if (!f.matches(st)) {
        if (!f.load()) return CollectStatus::kEntryFileMissing;
        // The watch follows the file as read: a new path or a new file there.
        f.watch.watch(f.path);
    }
    f.lookedOk = f.valid;
    f.storeGeneration = store.generation();
    f.noticesAtLook = notices;
    f.lookedAt = now;
    return CollectStatus::kOk;
}

bool EntryReader::unchangedSinceLastLook(const DictionaryStore& store) const {
    // A look at the file itself after every load of the headwords, and at least
    // once a second whatever the notices say: they miss a change above the file's
    // folder, such as a folder on the way there renamed.
    constexpr auto kLongestTrust = std::chrono::seconds(1);
    const EntryFile& f = *file_;
    return f.lookedOk && f.storeGeneration == store.generation() && f.watch.active() &&
           f.watch.notices() == f.noticesAtLook && f.dir == store.folder() &&
           f.name == store.fileNames().dt2 &&
           std::chrono::steady_clock::now() - f.lookedAt < kLongestTrust;
}

void EntryReader::settleFileWatch() const { file_->watch.settle(); }

CollectStatus EntryReader::collectEntryMeanings(const DictionaryStore& store,
                                                std::string_view word) {
    findHomographs(store, word, homographSlots);
    return readHomographs(store);
}

void EntryReader::collectCheckedSlots(const DictionaryStore& store, const uint32_t* slots,
                                      size_t count) {
    homographSlots.count = 0;
    for (size_t i = 0; i < count && i < kMaxHomographs; ++i) {
        homographSlots.records[homographSlots.count++] =
            entryRecordOfSlot(store.dictInfo().title(), slots[i]);
    }
    entryMeanings.clear();
    readCheckedHomographs(store);
}

CollectStatus EntryReader::readHomographs(const DictionaryStore& store) {
    entryMeanings.clear();
    if (homographSlots.count == 0) return CollectStatus::kOk;
    // A file removed or changed since the last lookup is reported missing or read
    // again. The file is looked at only when the change watch has seen something
    // there since the last look (or cannot watch).
    if (!unchangedSinceLastLook(store) &&
        checkEntryFile(store) == CollectStatus::kEntryFileMissing) {
        return CollectStatus::kEntryFileMissing;
    }
    readCheckedHomographs(store);
    return CollectStatus::kOk;
}

void EntryReader::readCheckedHomographs(const DictionaryStore& store) {
    for (int32_t h = 0; h < homographSlots.count; ++h) {
        file_->read(homographSlots.records[h], entryRecordBuffer_);
        takeEntryRecord(store, entryRecordBuffer_, recordMeanings, entryMeanings);
    }
}

}  // namespace lexavo
