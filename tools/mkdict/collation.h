#pragma once
// Sorting headwords by a language's collation (ICU): "cs", "de" or "en".

#include <string>
#include <vector>

#include "status.h"

namespace lexavo::mkdict {

// The permutation that sorts `utf8` by the locale's collation; ties (texts that
// collate equal) keep their byte order, so the result is deterministic. Fails when
// ICU has no collator for the locale.
Status collationOrder(const std::vector<std::string>& utf8, const std::string& locale,
                      std::vector<size_t>& order);

}  // namespace lexavo::mkdict
