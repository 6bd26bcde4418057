// Record decoding: every truncation of a headword record, long and odd headwords,
// and the bytes no stored text may hold.

#include "dictionary/formats.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace lexavo {
namespace {

TEST(HeadwordRecord, EveryTruncationIsReportedAndConsumesTheRest) {
    const std::string record = encodeHeadwordRecord("house");
    const std::string next = encodeHeadwordRecord("dog");
    for (size_t cut = 0; cut < record.size(); ++cut) {
        std::string_view input = std::string_view(record).substr(0, cut);
        char out[kMaxHeadwordBytes + 1];
        std::memset(out, 'x', sizeof out);
        EXPECT_EQ(decodeHeadwordRecord(input, out), DecodeStatus::kTruncated) << cut;
        EXPECT_TRUE(input.empty()) << cut;
        EXPECT_EQ(std::string(out, sizeof out), std::string(sizeof out, '\0')) << cut;
    }
    const std::string both = record + next;
    std::string_view input(both);
    char out[kMaxHeadwordBytes + 1];
    ASSERT_EQ(decodeHeadwordRecord(input, out), DecodeStatus::kOk);
    EXPECT_STREQ(out, "house");
    EXPECT_EQ(input, next);
    ASSERT_EQ(decodeHeadwordRecord(input, out), DecodeStatus::kOk);
    EXPECT_STREQ(out, "dog");
    EXPECT_TRUE(input.empty());
}

TEST(HeadwordRecord, KeepsTheFirstStoredBytesOfALongOrOddHeadword) {
    struct Row {
        const char* name;
        std::string stored;
        std::string expected;
    } rows[] = {
        {"odd length keeps its last byte", encodeHeadwordRecord("abc"), "abc"},
        {"empty", encodeHeadwordRecord(""), ""},
        // 21 stored bytes are kept; stored pairs are swapped, so they hold letters
        // 1-20 and 22.
        {"long", encodeHeadwordRecord("abcdefghijklmnopqrstuvwxyz"), "abcdefghijklmnopqrstv"},
        // A stored 0xFF decodes to a zero, which ends the headword.
        {"stored 0xFF", scramble("ab") + "\xFF" + scramble("cd") + kRecordTerminator, "ab"},
    };
    for (const Row& row : rows) {
        std::string_view input(row.stored);
        char out[kMaxHeadwordBytes + 1];
        ASSERT_EQ(decodeHeadwordRecord(input, out), DecodeStatus::kOk) << row.name;
        EXPECT_EQ(std::string(out), row.expected) << row.name;
        EXPECT_TRUE(input.empty()) << row.name;
    }
}

// Records of random bytes (terminators, stored 0xFF, every length around the slot
// size) decode as the rule says, whether a record sits in the middle of the file
// or at its very end.
TEST(HeadwordRecord, RandomRecordsDecodeByTheRule) {
    std::mt19937 rng(7);
    auto byRule = [](std::string_view record) {
        std::string out(kMaxHeadwordBytes + 1, '\0');
        const size_t kept = std::min(record.size(), kMaxHeadwordBytes);
        for (size_t j = 0; j < kept; ++j) out[j] = static_cast<char>(~record[j]);
        const size_t len = strnlen(out.data(), kept);
        for (size_t k = 0; k + 1 < len; k += 2) std::swap(out[k], out[k + 1]);
        return out;
    };
    const char bytes[] = {'\xFF', '\x04', '\x00', 'a', '\x9E', '\xFB'};
    for (int round = 0; round < 20000; ++round) {
        std::string file;
        std::vector<std::string> records(1 + rng() % 4);
        for (auto& r : records) {
            r.resize(rng() % 30);
            for (char& c : r) {
                c = rng() % 3 == 0 ? bytes[rng() % 6] : static_cast<char>(rng());
                if (c == kRecordTerminator) c = 'x';
            }
            file += r + kRecordTerminator;
        }
        std::string_view input(file);
        for (const auto& r : records) {
            char out[kMaxHeadwordBytes + 1];
            size_t length = 99;
            ASSERT_EQ(decodeHeadwordRecord(input, out, &length), DecodeStatus::kOk);
            const std::string expected = byRule(r);
            ASSERT_EQ(std::string(out, sizeof out), expected) << round;
            ASSERT_EQ(length, strnlen(expected.data(), expected.size())) << round;
        }
        ASSERT_TRUE(input.empty());
    }
}

TEST(TextBytes, SeparatorTerminatorAndScrambleBreakersAreForbidden) {
    int forbidden = 0;
    for (int b = 0; b < 256; ++b) forbidden += isForbiddenTextByte(static_cast<unsigned char>(b));
    EXPECT_EQ(forbidden, 5);
    for (unsigned char b : {0x00, 0x03, 0x04, 0xFB, 0xFF}) EXPECT_TRUE(isForbiddenTextByte(b));
    EXPECT_FALSE(
        hasForbiddenTextBytes("p\xF8"
                              "eklad"));
    EXPECT_TRUE(
        hasForbiddenTextBytes(std::string("a\x03"
                                          "b")));
}

}  // namespace
}  // namespace lexavo
