#include "lookup/exact_lookup.h"

#include "dictionary/headword_index.h"
#include "text/cp1250.h"

namespace lexavo {

namespace {

// The lowest slot at or above the start slot of the word's first letter that the
// index holds for word, or -1.
int32_t lowestFromStartSlot(const DictionaryStore& store, const HeadwordIndex& index,
                            std::string_view word) {
    if (word.empty() || word.size() > kMaxHeadwordBytes) return -1;
    const int32_t start = store.startSlot(static_cast<unsigned char>(word[0]));
    if (start < 0) return -1;
    return index.lowestFrom(store, word, static_cast<uint32_t>(start));
}

}  // namespace

int32_t findExactSlot(const DictionaryStore& store, std::string_view word) {
    return lowestFromStartSlot(store, store.exactIndex(), word);
}

int32_t findFoldedSlot(const DictionaryStore& store, std::string_view folded) {
    return lowestFromStartSlot(store, store.foldedIndex(), folded);
}

TranslateDecision decideTranslate(const DictionaryStore& store, std::string_view folded,
                                  BaseForms* forms) {
    if (folded.empty()) return {TranslateAction::kNothing};
    if (folded.size() == 1) return {TranslateAction::kListAll};
    if (const int32_t slot = findExactSlot(store, folded); slot >= 0)
        return {TranslateAction::kShowEntry, slot};
    // A headword stored with capitals (a German noun, a name) cannot equal the folded
    // text.
    if (const int32_t slot = findFoldedSlot(store, folded); slot >= 0)
        return {TranslateAction::kShowStoredForm, slot};
    if (forms != nullptr) {
        std::string form;
        const int32_t slot = findBaseFormHeadword(
            *forms, headwordLanguage(store.dictInfo().title()), folded,
            [&store](std::string_view f) {
                const int32_t exact = findExactSlot(store, f);
                return exact >= 0 ? exact : findFoldedSlot(store, foldAscii(f));
            },
            form);
        if (slot >= 0) return {TranslateAction::kShowBaseForm, slot};
    }
    return {TranslateAction::kNotFound};
}

}  // namespace lexavo
