#include "translator/headword_index.h"

#include <algorithm>

namespace lexavo {

namespace {

// FNV-1a over the bytes of a headword.
uint32_t hashOf(std::string_view text) {
    uint32_t h = 2166136261u;
    for (const char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

constexpr uint32_t kBucketMask = kIndexBuckets - 1;

}  // namespace

HeadwordIndex::HeadwordIndex()
    : buckets_(new int32_t[kIndexBuckets]), lower_(new int32_t[kHeadwordSlots]) {
    std::fill(buckets_.get(), buckets_.get() + kIndexBuckets, kEmpty);
}

void HeadwordIndex::build(const DictionaryStore& store) {
    std::fill(buckets_.get(), buckets_.get() + kIndexBuckets, kEmpty);
    const uint32_t count =
        store.headwordCount < kHeadwordSlots ? store.headwordCount : kHeadwordSlots;
    // Ascending slots, each put in front of its headword's chain, leave every chain
    // ordered from the highest slot down.
    for (uint32_t s = 0; s < count; ++s) {
        const std::string_view headword = store.headword(s);
        uint32_t b = hashOf(headword) & kBucketMask;
        while (buckets_[b] != kEmpty &&
               store.headword(static_cast<uint32_t>(buckets_[b])) != headword) {
            b = (b + 1) & kBucketMask;
        }
        lower_[s] = buckets_[b];
        buckets_[b] = static_cast<int32_t>(s);
    }
    builtFor_ = &store;
    builtGeneration_ = store.generation;
    builtCount_ = store.headwordCount;
    built_ = true;
}

void HeadwordIndex::ensureBuilt(const DictionaryStore& store) {
    if (!built_ || builtFor_ != &store || builtGeneration_ != store.generation ||
        builtCount_ != store.headwordCount) {
        build(store);
    }
}

size_t HeadwordIndex::find(const DictionaryStore& store, std::string_view word, uint32_t* slots,
                           size_t maxSlots) const {
    // A slot keeps at most kMaxHeadwordBytes bytes and no zero byte, so a longer word
    // or one with a zero byte equals no slot.
    if (!built_ || word.size() > kMaxHeadwordBytes || word.find('\0') != std::string_view::npos) {
        return 0;
    }
    uint32_t b = hashOf(word) & kBucketMask;
    while (buckets_[b] != kEmpty) {
        const int32_t top = buckets_[b];
        if (store.headword(static_cast<uint32_t>(top)) == word) {
            size_t n = 0;
            for (int32_t s = top; s != kEmpty && n < maxSlots; s = lower_[s]) {
                slots[n++] = static_cast<uint32_t>(s);
            }
            return n;
        }
        b = (b + 1) & kBucketMask;
    }
    return 0;
}

}  // namespace lexavo
