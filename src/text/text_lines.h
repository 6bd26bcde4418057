#pragma once
// Text files as the memos read and write them: code page 1250 lines, each written
// with CR LF after it.

#include <string>
#include <string_view>
#include <vector>

namespace lexavo {

// Lines of a file's bytes: separated by CR LF or a lone LF; a final line break does
// not start another line, and an empty file has no lines.
std::vector<std::string> splitTextLines(std::string_view bytes);
// Every line followed by CR LF.
std::string joinTextLines(const std::vector<std::string>& lines);

}  // namespace lexavo
