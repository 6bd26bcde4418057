#include "support/reference_exact_lookup.h"

#include <cstring>

#include "text/cp1250.h"

namespace lexavo {

namespace {

template <typename Equal>
int32_t scanFromStartSlot(const DictionaryStore& store, std::string_view word, Equal equal) {
    if (word.empty() || word.size() > kMaxHeadwordBytes) return -1;
    const int32_t start = store.startSlot(static_cast<unsigned char>(word[0]));
    if (start < 0) return -1;
    for (uint32_t s = static_cast<uint32_t>(start); s < store.headwordCount(); ++s) {
        const char* h = store.slot(s);
        if (h[word.size()] == 0 && equal(h)) return static_cast<int32_t>(s);
    }
    return -1;
}

}  // namespace

int32_t findExactSlotByScan(const DictionaryStore& store, std::string_view word) {
    return scanFromStartSlot(
        store, word, [&](const char* h) { return std::memcmp(h, word.data(), word.size()) == 0; });
}

int32_t findFoldedSlotByScan(const DictionaryStore& store, std::string_view folded) {
    return scanFromStartSlot(store, folded,
                             [&](const char* h) { return beginsWithFoldedAscii(h, folded); });
}

}  // namespace lexavo
