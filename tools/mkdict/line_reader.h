#pragma once
// The lines of a text file, as every reader of the compiler takes them.

#include <functional>
#include <string>

#include "status.h"

namespace lexavo::mkdict {

// Calls take with each line of the file at path, a trailing carriage return removed,
// until take returns false. Fails with "cannot open <what><path>" when the file does
// not open, and with "cannot read <what><path>" when take stopped the reading.
Status forEachLine(const std::string& path, const std::function<bool(std::string& line)>& take,
                   const std::string& what = {});

}  // namespace lexavo::mkdict
