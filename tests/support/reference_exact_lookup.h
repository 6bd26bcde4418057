#pragma once
// The exact lookups' plain algorithm, scanning the slots from the start slot of the
// word's first letter: the reference the indexed lookups are compared with.

#include <cstdint>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace lexavo {

int32_t findExactSlotByScan(const DictionaryStore& store, std::string_view word);
int32_t findFoldedSlotByScan(const DictionaryStore& store, std::string_view folded);

}  // namespace lexavo
