#pragma once
// The expression being looked up on the dictionary page, as the word field's
// buffer holds it.

#include "text/fixed_text.h"

namespace lexavo {

constexpr size_t kInputWordBytes = 1000;
using InputWord = FixedText<kInputWordBytes>;

}  // namespace lexavo
