#pragma once
// The lines of a text file, as every reader of the compiler takes them.

#include <functional>
#include <string>

namespace lexavo::mkdict {

// Calls take with each line of the file at path, a trailing carriage return removed,
// until take returns false. False, with "cannot open <what><path>" in error, when the
// file does not open, and when take stopped the reading.
bool forEachLine(const std::string& path, const std::function<bool(std::string& line)>& take,
                 std::string& error, const std::string& what = {});

}  // namespace lexavo::mkdict
