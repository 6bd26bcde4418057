#include "text/cp1250.h"

#include <array>
#include <cstdint>

namespace lexavo {
namespace {

constexpr std::array<char16_t, 256> kToUnicode = {

    0x0000, 0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006, 0x0007, 0x0008, 0x0009, 0x000A, 0x000B,
    0x000C, 0x000D, 0x000E, 0x000F, 0x0010, 0x0011, 0x0012, 0x0013, 0x0014, 0x0015, 0x0016, 0x0017,
    0x0018, 0x0019, 0x001A, 0x001B, 0x001C, 0x001D, 0x001E, 0x001F, 0x0020, 0x0021, 0x0022, 0x0023,
    0x0024, 0x0025, 0x0026, 0x0027, 0x0028, 0x0029, 0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, 0x0038, 0x0039, 0x003A, 0x003B,
    0x003C, 0x003D, 0x003E, 0x003F, 0x0040, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045, 0x0046, 0x0047,
    0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F, 0x0050, 0x0051, 0x0052, 0x0053,
    0x0054, 0x0055, 0x0056, 0x0057, 0x0058, 0x0059, 0x005A, 0x005B, 0x005C, 0x005D, 0x005E, 0x005F,
    0x0060, 0x0061, 0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067, 0x0068, 0x0069, 0x006A, 0x006B,
    0x006C, 0x006D, 0x006E, 0x006F, 0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077,
    0x0078, 0x0079, 0x007A, 0x007B, 0x007C, 0x007D, 0x007E, 0x007F, 0x20AC, 0x0081, 0x201A, 0x0083,
    0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122, 0x0161, 0x203A,
    0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB,
    0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103,
    0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171,
    0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Reverse table for the code points above 0xFF that the code page holds.
struct ReverseTable {
    std::array<uint16_t, 256> codePoints{};
    std::array<unsigned char, 256> bytes{};
    int count = 0;
    constexpr ReverseTable() {
        for (int b = 0x80; b < 0x100; ++b) {
            if (kToUnicode[b] > 0xFF) {
                codePoints[count] = kToUnicode[b];
                bytes[count] = static_cast<unsigned char>(b);
                ++count;
            }
        }
    }
};
constexpr ReverseTable kReverse;

// Bytes 0xA0-0xFF whose code point equals the byte (Latin-1 positions kept by 1250).
constexpr bool latin1Identity(char32_t cp) {
    return cp >= 0x80 && cp <= 0xFF && kToUnicode[cp] == cp;
}

}  // namespace

char32_t cp1250ToUnicode(unsigned char byte) { return kToUnicode[byte]; }

unsigned char unicodeToCp1250(char32_t cp) {
    if (cp == 0) return '?';
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (latin1Identity(cp)) return static_cast<unsigned char>(cp);
    for (int i = 0; i < kReverse.count; ++i) {
        if (kReverse.codePoints[i] == cp) return kReverse.bytes[i];
    }
    return '?';
}

std::string utf8ToCp1250(std::string_view in) {
    std::string out;
    out.reserve(in.size());
    size_t i = 0;
    while (i < in.size()) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        char32_t cp = 0;
        size_t len = 0;
        if (b0 < 0x80) {
            cp = b0;
            len = 1;
        } else if ((b0 & 0xE0) == 0xC0) {
            cp = b0 & 0x1F;
            len = 2;
        } else if ((b0 & 0xF0) == 0xE0) {
            cp = b0 & 0x0F;
            len = 3;
        } else if ((b0 & 0xF8) == 0xF0) {
            cp = b0 & 0x07;
            len = 4;
        } else {
            out.push_back('?');
            ++i;
            continue;
        }
        bool ok = i + len <= in.size();
        for (size_t k = 1; ok && k < len; ++k) {
            const auto b = static_cast<unsigned char>(in[i + k]);
            if ((b & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (!ok) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(static_cast<char>(unicodeToCp1250(cp)));
        i += len;
    }
    return out;
}

std::string cp1250ToUtf8(std::string_view in) {
    std::string out;
    out.reserve(in.size() * 2);
    for (char c : in) {
        const char32_t cp = cp1250ToUnicode(static_cast<unsigned char>(c));
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

void foldAsciiInPlace(char* text) {
    for (; *text != 0; ++text) *text = foldAscii(*text);
}

std::string foldAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = foldAscii(c);
    return out;
}

namespace {

// The base letters of U+00C0 to U+017F (Latin-1 and Latin Extended-A), which hold
// every letter of code page 1250.
constexpr std::string_view kLatin1Bases =
    "AAAAAAACEEEEIIIIDNOOOOO*OUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
constexpr std::string_view kLatinExtendedABases =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSs"
    "Ss"
    "SsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(kLatin1Bases.size() == 0x40 && kLatinExtendedABases.size() == 0x80);

char baseLetter(char32_t c) {
    if (c >= 0xC0 && c < 0x100) return kLatin1Bases[c - 0xC0];
    if (c >= 0x100 && c < 0x180) return kLatinExtendedABases[c - 0x100];
    return 0;
}

}  // namespace

std::string foldAccents(std::string_view cp1250) {
    std::string out;
    out.reserve(cp1250.size());
    for (const char byte : cp1250) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            out += foldAscii(byte);
            continue;
        }
        const char32_t c = cp1250ToUnicode(b);
        if (c == 0xDF) {
            out += "ss";
        } else if (const char base = baseLetter(c); base != 0 && base != '*' && base != '/') {
            out += foldAscii(base);
        } else {
            out += byte;
        }
    }
    return out;
}

}  // namespace lexavo
