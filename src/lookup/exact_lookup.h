#pragma once
// The exact lookup of the translate command: the first slot from the start slot of
// the word's first letter whose headword equals the word.

#include <cstdint>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace lexavo {

// First slot equal to word byte for byte, or -1.
int32_t findExactSlot(const DictionaryStore& store, std::string_view word);

// First slot, scanned from the same start slot, whose headword folded by the ASCII
// rule equals folded (a headword stored with capitals such as "London"), or -1.
int32_t findFoldedSlot(const DictionaryStore& store, std::string_view folded);

}  // namespace lexavo
