#pragma once
// Code page 1250 (Central European): the one text encoding inside the program.
// The byte <-> Unicode table is lossless for every byte 0x01 to 0xFF: bytes that
// code page 1250 leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1
// code point of the same number, so they survive a round trip through QString.

#include <cstddef>
#include <string>
#include <string_view>

namespace lexavo {

// Unicode code point of a code page 1250 byte.
char32_t cp1250ToUnicode(unsigned char byte);

// Code page 1250 byte of a code point; '?' for anything the code page cannot hold
// (and for U+0000, which no text of the program may contain).
unsigned char unicodeToCp1250(char32_t codePoint);

// Whole-string conversions used by the dictionary compiler (UTF-8 in, code page 1250
// out) and by tests. Invalid UTF-8 sequences become '?'.
std::string utf8ToCp1250(std::string_view utf8);
std::string cp1250ToUtf8(std::string_view cp1250);

// Case rules: only A-Z and a-z are mapped to each other; every byte from 0x80 up
// (all accented letters) is left as it is, so 'Č' and 'č' stay different letters.
constexpr char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
constexpr char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
// Whether the zero-terminated `text` begins with `foldedPrefix` when its own bytes are
// folded: the one folded comparison of the prefix search and the exact lookup.
constexpr bool beginsWithFoldedAscii(const char* text, std::string_view foldedPrefix) {
    for (size_t i = 0; i < foldedPrefix.size(); ++i) {
        if (text[i] == 0 || foldAscii(text[i]) != foldedPrefix[i]) return false;
    }
    return true;
}
// Folds a zero-terminated byte string in place.
void foldAsciiInPlace(char* text);
std::string foldAscii(std::string_view text);

// The text with every letter small and without its accents, for comparisons that
// forgive both (suggestions: "dum" for "dům", "Madchen" for "Mädchen"): "Č" and "č"
// become "c", "ß" becomes "ss"; other bytes stay.
std::string foldAccents(std::string_view cp1250);

}  // namespace lexavo
