#include "text/cp1250.h"

#include <gtest/gtest.h>

namespace lexavo {
namespace {

TEST(Cp1250, EveryByteRoundTripsThroughUnicode) {
    for (int b = 1; b < 256; ++b) {
        const char32_t cp = cp1250ToUnicode(static_cast<unsigned char>(b));
        EXPECT_EQ(unicodeToCp1250(cp), b) << "byte " << b;
    }
}

TEST(Cp1250, CzechAndGermanLettersAndUndefinedBytes) {
    EXPECT_EQ(cp1250ToUnicode(0xC8), U'Č');
    EXPECT_EQ(cp1250ToUnicode(0xE8), U'č');
    EXPECT_EQ(cp1250ToUnicode(0xF8), U'ř');
    EXPECT_EQ(cp1250ToUnicode(0x8A), U'Š');
    EXPECT_EQ(cp1250ToUnicode(0xDF), U'ß');
    EXPECT_EQ(cp1250ToUnicode(0x84), U'„');
    EXPECT_EQ(cp1250ToUnicode(0x93), U'“');
    // Undefined in the code page: kept as the C1 control of the same number.
    for (unsigned char b : {0x81, 0x83, 0x88, 0x90, 0x98}) EXPECT_EQ(cp1250ToUnicode(b), b);
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(unicodeToCp1250(U'€'), 0x80);
    EXPECT_EQ(unicodeToCp1250(U'ñ'), '?');  // Spanish, not in 1250
    EXPECT_EQ(unicodeToCp1250(U'Ж'), '?');
    EXPECT_EQ(unicodeToCp1250(U'😀'), '?');
    EXPECT_EQ(unicodeToCp1250(0), '?');
    EXPECT_EQ(utf8ToCp1250("žluťoučký kůň ñ"), "\x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 ?");
    EXPECT_EQ(cp1250ToUtf8("\x9Elu\x9Dou\xE8k\xFD"), "žluťoučký");
    EXPECT_EQ(utf8ToCp1250("a\xC3"), "a?");  // cut sequence
}

TEST(Cp1250, CaseRulesTouchOnlyAsciiLetters) {
    EXPECT_EQ(foldAscii("AbZ@[`{"), "abz@[`{");
    EXPECT_EQ(foldAscii("\xC8\xE8\xC4"), "\xC8\xE8\xC4");  // Č č Ä unchanged
    EXPECT_EQ(upperAscii('a'), 'A');
    EXPECT_EQ(upperAscii('z'), 'Z');
    EXPECT_EQ(upperAscii('\xE8'), '\xE8');
    char text[] = "HeLLo \xC8";
    foldAsciiInPlace(text);
    EXPECT_STREQ(text, "hello \xC8");
}

}  // namespace
}  // namespace lexavo
