#include "dictionary/dictionary_store.h"

#include <cstdio>
#include <cstring>

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

void DictionaryStore::setSlotForTesting(uint32_t s, std::string_view headword) {
    char* p = mutableSlot(s);
    std::memset(p, 0, kSlotBytes);
    if (!headword.empty()) {
        std::memcpy(p, headword.data(), std::min(headword.size(), kMaxHeadwordBytes));
    }
}

namespace {

// Buffered byte reader over a C stream.
class ByteReader {
  public:
    explicit ByteReader(std::FILE* f) : f_(f) {}
    // Next byte, or -1 at the end of the file.
    int next() {
        if (pos_ == len_) {
            len_ = std::fread(buf_, 1, sizeof buf_, f_);
            pos_ = 0;
            if (len_ == 0) return -1;
        }
        return static_cast<unsigned char>(buf_[pos_++]);
    }

  private:
    std::FILE* f_;
    char buf_[1 << 16];
    size_t pos_ = 0;
    size_t len_ = 0;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

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
    auto reader = std::make_unique<ByteReader>(dt1.get());
    const uint32_t wanted = headwordCount < kHeadwordSlots ? headwordCount : kHeadwordSlots;
    uint32_t kept = 0;
    for (uint32_t i = 0; i < wanted; ++i) {
        char* s = mutableSlot(i);
        std::memset(s, 0, kSlotBytes);
        size_t j = 0;
        int c = 0;
        bool complete = false;
        while ((c = reader->next()) >= 0) {
            if (c != kRecordTerminator && j < kMaxHeadwordBytes) {
                s[j] = static_cast<char>(255 - c);
            }
            ++j;
            if (c == kRecordTerminator) {
                complete = true;
                break;
            }
        }
        if (!complete) {
            std::memset(s, 0, kSlotBytes);
            break;
        }
        kept = i + 1;
    }
    headwordCount = kept;
    dt1.reset();

    for (uint32_t i = 0; i < headwordCount; ++i) {
        char* s = mutableSlot(i);
        const size_t len = std::strlen(s);
        for (size_t k = 0; k + 1 < len; k += 2) std::swap(s[k], s[k + 1]);
        addToStartIndex(firstLetterIndex, std::string_view(s, len), static_cast<int32_t>(i));
    }
    if (dictInfo.direction() == kDirectionCzechGerman) pinStartSlot(firstLetterIndex);
    ++generation;
    return LoadResult::kLoaded;
}

}  // namespace lexavo
