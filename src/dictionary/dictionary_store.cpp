#include "dictionary/dictionary_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "dictionary/headword_index.h"
#include "dictionary/headword_records.h"
#include "dictionary/program_files.h"
#include "text/regular_file.h"

namespace lexavo {

static_assert(kSlotBytes >= kDecodedHeadwordBytes, "the load decodes straight into the slots");

DictionaryStore::DictionaryStore() : table_(new char[size_t{kHeadwordSlots} * kSlotBytes]()) {
    firstLetterIndex_.fill(-1);
}

DictionaryStore::~DictionaryStore() = default;

const HeadwordIndex& DictionaryStore::exactIndex() const {
    if (!exactIndex_) exactIndex_ = std::make_unique<HeadwordIndex>(HeadwordIndex::Key::kExact);
    exactIndex_->ensureBuilt(*this);
    return *exactIndex_;
}

const HeadwordIndex& DictionaryStore::foldedIndex() const {
    if (!foldedIndex_) foldedIndex_ = std::make_unique<HeadwordIndex>(HeadwordIndex::Key::kFolded);
    foldedIndex_->ensureBuilt(*this);
    return *foldedIndex_;
}

DictionaryStore::LoadResult DictionaryStore::loadDictionary(const std::string& programDir,
                                                            DictFileNames names) {
    fileNames_ = std::move(names);
    return loadDictionary(programDir);
}

void DictionaryStore::setHeadwordCountForTesting(uint32_t count) { headwordCount_ = count; }

void DictionaryStore::setSlotForTesting(uint32_t s, std::string_view headword) {
    // The indexes follow the change.
    ++generation_;
    char* p = mutableSlot(s);
    std::memset(p, 0, kSlotBytes);
    if (!headword.empty()) {
        std::memcpy(p, headword.data(), std::min(headword.size(), kMaxHeadwordBytes));
    }
}

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The whole rest of a file, read in large blocks into the buffer, whose storage is
// kept from one load to the next and never cleared before it is read into. False
// for a file larger than kMaxHeadwordFileBytes.
bool readAll(std::FILE* f, FileBuffer& buffer) {
    constexpr size_t kBlock = size_t{1} << 20;
    buffer.size = 0;
    for (;;) {
        if (buffer.capacity - buffer.size < kBlock) {
            const size_t capacity = std::max(2 * buffer.capacity, buffer.size + kBlock);
            std::unique_ptr<char[]> bigger(new char[capacity]);
            if (buffer.size > 0) std::memcpy(bigger.get(), buffer.data.get(), buffer.size);
            buffer.data = std::move(bigger);
            buffer.capacity = capacity;
        }
        const size_t got = std::fread(buffer.data.get() + buffer.size, 1, kBlock, f);
        buffer.size += got;
        if (buffer.size > kMaxHeadwordFileBytes) return false;
        if (got < kBlock) return true;
    }
}

}  // namespace

DictionaryStore::LoadResult DictionaryStore::loadDictionary(const std::string& programDir) {
    folder_ = programDir;
    File nfo(openInDir(programDir, fileNames_.nfo));
    if (!nfo) return LoadResult::kNoInfoFile;
    // A short record replaces only the bytes it has.
    (void)std::fread(dictInfo_.bytes.data(), 1, kInfoRecordBytes, nfo.get());
    nfo.reset();
    headwordCount_ = dictInfo_.headwordCount();
    firstLetterIndex_.fill(-1);

    File dt1(openInDir(programDir, fileNames_.dt1));
    if (!dt1) {
        // The old slots must not be compared under the new count.
        headwordCount_ = 0;
        return LoadResult::kNoHeadwordFile;
    }
    const bool read = readAll(dt1.get(), fileBytes_);
    dt1.reset();
    if (!read) {
        // Larger than any real headword file: as if there were none.
        headwordCount_ = 0;
        return LoadResult::kNoHeadwordFile;
    }
    const uint32_t wanted = headwordCount_ < kHeadwordSlots ? headwordCount_ : kHeadwordSlots;
    // A slot's bytes past kDecodedHeadwordBytes are never written, so they stay zero.
    const size_t kept = decodeHeadwordRecords(
        std::string_view(fileBytes_.data.get(), fileBytes_.size), mutableSlot(0), kSlotBytes,
        wanted, [this](size_t s, const char* headword, size_t length) {
            addToStartIndex(firstLetterIndex_, std::string_view(headword, length),
                            static_cast<int32_t>(s));
        });
    headwordCount_ = static_cast<uint32_t>(kept);
    if (dictInfo_.direction() == kDirectionCzechGerman) pinStartSlot(firstLetterIndex_);
    ++generation_;
    return LoadResult::kLoaded;
}

}  // namespace lexavo
