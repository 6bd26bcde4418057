#include "dictionary/headword_index.h"

#include <algorithm>

#include "text/cp1250.h"

namespace lexavo {

namespace {

constexpr uint32_t kBucketMask = kIndexBuckets - 1;

}  // namespace

HeadwordIndex::HeadwordIndex(Key key)
    : key_(key), buckets_(new int32_t[kIndexBuckets]), lower_(new int32_t[kHeadwordSlots]) {
    std::fill(buckets_.get(), buckets_.get() + kIndexBuckets, kEmpty);
}

// FNV-1a over the bytes of a headword, folded in the folded index.
uint32_t HeadwordIndex::hashOf(std::string_view text) const {
    uint32_t h = 2166136261u;
    const bool fold = key_ == Key::kFolded;
    for (const char c : text) {
        h ^= static_cast<unsigned char>(fold ? foldAscii(c) : c);
        h *= 16777619u;
    }
    return h;
}

bool HeadwordIndex::equal(std::string_view headword, std::string_view word) const {
    if (headword.size() != word.size()) return false;
    if (key_ == Key::kExact) return headword == word;
    for (size_t i = 0; i < word.size(); ++i) {
        if (foldAscii(headword[i]) != foldAscii(word[i])) return false;
    }
    return true;
}

void HeadwordIndex::build(const DictionaryStore& store) {
    std::fill(buckets_.get(), buckets_.get() + kIndexBuckets, kEmpty);
    const uint32_t count =
        store.headwordCount() < kHeadwordSlots ? store.headwordCount() : kHeadwordSlots;
    // Ascending slots, each put in front of its headword's chain, leave every chain
    // ordered from the highest slot down.
    for (uint32_t s = 0; s < count; ++s) {
        const std::string_view headword = store.headword(s);
        uint32_t b = hashOf(headword) & kBucketMask;
        while (buckets_[b] != kEmpty &&
               !equal(store.headword(static_cast<uint32_t>(buckets_[b])), headword)) {
            b = (b + 1) & kBucketMask;
        }
        lower_[s] = buckets_[b];
        buckets_[b] = static_cast<int32_t>(s);
    }
    builtFor_ = &store;
    builtGeneration_ = store.generation();
    builtCount_ = store.headwordCount();
    built_ = true;
}

void HeadwordIndex::ensureBuilt(const DictionaryStore& store) {
    if (!built_ || builtFor_ != &store || builtGeneration_ != store.generation() ||
        builtCount_ != store.headwordCount()) {
        build(store);
    }
}

int32_t HeadwordIndex::top(const DictionaryStore& store, std::string_view word) const {
    // A slot keeps at most kMaxHeadwordBytes bytes and no zero byte, so a longer word
    // or one with a zero byte equals no slot.
    if (!built_ || word.size() > kMaxHeadwordBytes || word.find('\0') != std::string_view::npos) {
        return kEmpty;
    }
    for (uint32_t b = hashOf(word) & kBucketMask; buckets_[b] != kEmpty;
         b = (b + 1) & kBucketMask) {
        if (equal(store.headword(static_cast<uint32_t>(buckets_[b])), word)) return buckets_[b];
    }
    return kEmpty;
}

size_t HeadwordIndex::find(const DictionaryStore& store, std::string_view word, uint32_t* slots,
                           size_t maxSlots) const {
    size_t n = 0;
    for (int32_t s = top(store, word); s != kEmpty && n < maxSlots; s = lower_[s]) {
        slots[n++] = static_cast<uint32_t>(s);
    }
    return n;
}

int32_t HeadwordIndex::lowestFrom(const DictionaryStore& store, std::string_view word,
                                  uint32_t from) const {
    int32_t lowest = kEmpty;
    for (int32_t s = top(store, word); s != kEmpty && static_cast<uint32_t>(s) >= from;
         s = lower_[s]) {
        lowest = s;
    }
    return lowest;
}

}  // namespace lexavo
