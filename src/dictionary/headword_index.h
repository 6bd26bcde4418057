#pragma once
// An index from a headword to the slots that hold it, built over a loaded store, so
// that an exact lookup costs a hash probe instead of a comparison with every slot.
// It answers exactly as the plain scans do: the slots below the headword count
// whose zero-terminated headword equals the word byte for byte (or, in the folded
// index, equals it once its ASCII capitals are folded).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace lexavo {

// Open addressing over twice the slot capacity keeps the probe chains short even
// for a full table.
constexpr uint32_t kIndexBuckets = 1u << 20;
static_assert(kIndexBuckets >= 2 * kHeadwordSlots);

class HeadwordIndex {
  public:
    enum class Key { kExact, kFolded };
    explicit HeadwordIndex(Key key = Key::kExact);

    // Rebuilds the index over slots 0 to headwordCount - 1 of the store.
    void build(const DictionaryStore& store);
    // Rebuilds only when the store was loaded again (or emptied) since the last build.
    void ensureBuilt(const DictionaryStore& store);

    // Writes the slots equal to word into slots (highest first, at most maxSlots)
    // and returns their number. The store must be the one last built; a folded
    // index takes a folded word.
    size_t find(const DictionaryStore& store, std::string_view word, uint32_t* slots,
                size_t maxSlots) const;
    // The lowest slot at or above `from` equal to word, or -1.
    int32_t lowestFrom(const DictionaryStore& store, std::string_view word, uint32_t from) const;

  private:
    static constexpr int32_t kEmpty = -1;
    uint32_t hashOf(std::string_view text) const;
    bool equal(std::string_view headword, std::string_view word) const;
    // The highest slot equal to word, or kEmpty.
    int32_t top(const DictionaryStore& store, std::string_view word) const;

    Key key_;
    // Bucket b holds the highest slot of one distinct headword, or kEmpty.
    std::unique_ptr<int32_t[]> buckets_;
    // lower_[s] is the next lower slot with the same headword as slot s, or kEmpty.
    std::unique_ptr<int32_t[]> lower_;
    const DictionaryStore* builtFor_ = nullptr;
    uint64_t builtGeneration_ = 0;
    uint32_t builtCount_ = 0;
    bool built_ = false;
};

}  // namespace lexavo
