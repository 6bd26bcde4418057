#include "dictionary/dictionary_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "dictionary/headword_index.h"
#include "dictionary/program_files.h"

namespace lexavo {

const char* const kMakerAddress = "www.lexavo.example";

std::string windowCaptionFor(std::string_view direction) {
    return "[" + std::string(direction) + "] Lexavo 6  (" + kMakerAddress + ")";
}

std::string initialWindowCaption() { return windowCaptionFor("Aj->\xC8j"); }

DictionaryStore::DictionaryStore() : table_(new char[size_t{kHeadwordSlots} * kSlotBytes]()) {
    firstLetterIndex.fill(-1);
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

void DictionaryStore::setSlotForTesting(uint32_t s, std::string_view headword) {
    // The indexes follow the change.
    ++generation;
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

// The whole rest of a file, read in large blocks into data, whose storage is kept
// from one load to the next.
void readAll(std::FILE* f, std::string& data) {
    constexpr size_t kBlock = size_t{1} << 20;
    data.clear();
    size_t got = 0;
    do {
        const size_t at = data.size();
        data.resize(at + kBlock);
        got = std::fread(data.data() + at, 1, kBlock, f);
        data.resize(at + got);
    } while (got == kBlock);
}

}  // namespace

DictionaryStore::LoadResult DictionaryStore::loadDictionary(const std::string& programDir) {
    File nfo(openInDir(programDir, fileNames.nfo));
    if (!nfo) return LoadResult::kNoInfoFile;
    // A short record replaces only the bytes it has.
    (void)std::fread(dictInfo.bytes.data(), 1, kInfoRecordBytes, nfo.get());
    nfo.reset();
    headwordCount = dictInfo.headwordCount();
    firstLetterIndex.fill(-1);

    File dt1(openInDir(programDir, fileNames.dt1));
    if (!dt1) {
        // The old slots must not be compared under the new count.
        headwordCount = 0;
        return LoadResult::kNoHeadwordFile;
    }
    readAll(dt1.get(), fileBytes_);
    dt1.reset();
    std::string_view input(fileBytes_);
    const uint32_t wanted = headwordCount < kHeadwordSlots ? headwordCount : kHeadwordSlots;
    uint32_t kept = 0;
    while (kept < wanted) {
        // A slot's bytes past kMaxHeadwordBytes are never written, so they stay zero.
        char* s = mutableSlot(kept);
        size_t length = 0;
        if (decodeHeadwordRecord(input, s, &length) != DecodeStatus::kOk) break;
        addToStartIndex(firstLetterIndex, std::string_view(s, length), static_cast<int32_t>(kept));
        ++kept;
    }
    headwordCount = kept;
    if (dictInfo.direction() == kDirectionCzechGerman) pinStartSlot(firstLetterIndex);
    ++generation;
    return LoadResult::kLoaded;
}

}  // namespace lexavo
