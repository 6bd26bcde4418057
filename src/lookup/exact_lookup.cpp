#include "lookup/exact_lookup.h"

#include <cstring>

#include "text/cp1250.h"

namespace lexavo {

namespace {

template <typename Equal>
int32_t scanFromStartSlot(const DictionaryStore& store, std::string_view word, Equal equal) {
    if (word.empty() || word.size() > kMaxHeadwordBytes) return -1;
    const int32_t start = store.startSlot(static_cast<unsigned char>(word[0]));
    if (start < 0) return -1;
    for (uint32_t s = static_cast<uint32_t>(start); s < store.headwordCount; ++s) {
        const char* h = store.slot(s);
        if (h[word.size()] == 0 && equal(h)) return static_cast<int32_t>(s);
    }
    return -1;
}

}  // namespace

int32_t findExactSlot(const DictionaryStore& store, std::string_view word) {
    return scanFromStartSlot(
        store, word, [&](const char* h) { return std::memcmp(h, word.data(), word.size()) == 0; });
}

int32_t findFoldedSlot(const DictionaryStore& store, std::string_view folded) {
    return scanFromStartSlot(store, folded,
                             [&](const char* h) { return beginsWithFoldedAscii(h, folded); });
}

TranslateDecision decideTranslate(const DictionaryStore& store, std::string_view folded) {
    if (folded.empty()) return {TranslateAction::kNothing};
    if (folded.size() == 1) return {TranslateAction::kListAll};
    if (const int32_t slot = findExactSlot(store, folded); slot >= 0)
        return {TranslateAction::kShowEntry, slot};
    // A headword stored with capitals (a German noun, a name) cannot equal the folded
    // text.
    if (const int32_t slot = findFoldedSlot(store, folded); slot >= 0)
        return {TranslateAction::kShowStoredForm, slot};
    return {TranslateAction::kNotFound};
}

}  // namespace lexavo
