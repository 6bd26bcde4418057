// Record decoding: every truncation of a headword record, long and odd headwords,
// and the bytes no stored text may hold.

#include "dictionary/formats.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "dictionary/headword_records.h"

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

// The load's one-pass decode of a whole file gives every record exactly the bytes
// and length of the record-by-record decode: on random files long enough for the
// vector path, records of every length (the 21-byte cut, stored 0xFF and
// terminators at every place in a 16-byte chunk), a cut-off last record, and a
// limit on the number of records.
TEST(HeadwordRecord, WholeFileDecodeEqualsTheRecordDecode) {
    std::mt19937 rng(11);
    const char bytes[] = {'\xFF', '\x00', 'a', '\x9E', '\xFB'};
    for (int round = 0; round < 3000; ++round) {
        std::string file;
        const int records = static_cast<int>(rng() % 120);
        for (int r = 0; r < records; ++r) {
            std::string record(rng() % 3 == 0 ? rng() % 40 : rng() % 12, '\0');
            for (char& c : record)
                c = rng() % 3 == 0 ? bytes[rng() % 5] : static_cast<char>('0' + rng() % 200);
            file += record + kRecordTerminator;
        }
        if (rng() % 2 == 0) file += std::string(rng() % 30, 'q');  // a cut-off record
        const size_t limit = rng() % 4 == 0 ? rng() % (records + 1) : records + 10;

        std::vector<char> slots((records + 1) * 40, '\x55');
        std::vector<size_t> lengths;
        const size_t decoded = decodeHeadwordRecords(file, slots.data(), 40, limit,
                                                     [&](size_t i, const char* h, size_t length) {
                                                         ASSERT_EQ(i, lengths.size());
                                                         ASSERT_EQ(h, slots.data() + i * 40);
                                                         lengths.push_back(length);
                                                     });
        ASSERT_EQ(decoded, std::min<size_t>(limit, records)) << round;
        ASSERT_EQ(lengths.size(), decoded);

        std::string_view input(file);
        for (size_t i = 0; i < decoded; ++i) {
            char out[kMaxHeadwordBytes + 1];
            size_t length = 0;
            ASSERT_EQ(decodeHeadwordRecord(input, out, &length), DecodeStatus::kOk);
            const char* slot = slots.data() + i * 40;
            ASSERT_EQ(std::string(slot, sizeof out), std::string(out, sizeof out))
                << round << " " << i;
            ASSERT_EQ(std::string(slot + sizeof out, kDecodedHeadwordBytes - sizeof out),
                      std::string(kDecodedHeadwordBytes - sizeof out, '\0'));
            ASSERT_EQ(std::string(slot + kDecodedHeadwordBytes, 40 - kDecodedHeadwordBytes),
                      std::string(40 - kDecodedHeadwordBytes, '\x55'));
            ASSERT_EQ(lengths[i], length) << round << " " << i;
        }
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
