#pragma once
// The bridge between code page 1250 bytes and QString, used at the edge of the UI.

#include <QString>
#include <string>
#include <string_view>

namespace lexavo {

QString fromCp1250(std::string_view bytes);
// Characters that code page 1250 cannot hold become '?'.
std::string toCp1250(const QString& text);
// The same for a memo's text: CR LF in the bytes is '\n' in the QString, and a NUL
// byte, which a memo cannot hold, is the symbol for null (U+2400) and back.
QString fromCp1250Lines(std::string_view bytes);
std::string toCp1250Lines(const QString& text);

}  // namespace lexavo
