#pragma once
// The exact lookup of the translate command: the first slot from the start slot of
// the word's first letter whose headword equals the word, found through the store's
// headword indexes (the same slot a scan from the start slot finds).

#include <cstdint>
#include <string_view>

#include "dictionary/base_forms.h"
#include "dictionary/dictionary_store.h"

namespace lexavo {

// First slot equal to word byte for byte, or -1.
int32_t findExactSlot(const DictionaryStore& store, std::string_view word);

// First slot, scanned from the same start slot, whose headword folded by the ASCII
// rule equals folded (a headword stored with capitals such as "London"), or -1.
int32_t findFoldedSlot(const DictionaryStore& store, std::string_view folded);

// What the translate command does with the word of the field, folded by the ASCII
// rule: nothing for an empty word; list every headword for one character; else the
// entry of the first equal headword, or of the first whose folded text equals the word
// (shown as if chosen in the word list, the field showing the headword as stored),
// or, with forms given, the entry of the first base form of the word that is a
// headword (shown the same way), or the not-found line.
enum class TranslateAction {
    kNothing,
    kListAll,
    kShowEntry,
    kShowStoredForm,
    kShowBaseForm,
    kNotFound
};
struct TranslateDecision {
    TranslateAction action = TranslateAction::kNothing;
    // The entry's slot for kShowEntry, kShowStoredForm and kShowBaseForm.
    int32_t slot = -1;
};
TranslateDecision decideTranslate(const DictionaryStore& store, std::string_view folded,
                                  BaseForms* forms = nullptr);

}  // namespace lexavo
