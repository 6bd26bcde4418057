// Entry reading: record decoding and splitting, the German article merge, the
// record-number rule, homograph order, the limits of the fixed tables, and the
// cached reader against the plain one on random files.

#include "entry/entry_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "dictionary/dictionary_store.h"
#include "support/reference_entry_reader.h"
#include "support/test_dictionaries.h"

namespace lexavo {
namespace {

using testing::cp;
using testing::TempProgramDir;
using testing::writeTestSet;

std::vector<std::string> meaningsOf(const MeaningTable& t) {
    std::vector<std::string> out;
    for (int32_t i = 0; i < t.count; ++i) out.emplace_back(t.at(static_cast<size_t>(i)));
    return out;
}

std::vector<int32_t> recordsOf(const HomographSlots& h) {
    return std::vector<int32_t>(h.records, h.records + h.count);
}

class EntryReaderTest : public ::testing::Test {
  protected:
    // A set "t" with the given headwords; the entry file is written separately.
    void writeSet(const std::string& title, const std::string& direction,
                  const std::vector<std::string>& headwords) {
        std::vector<testing::TestEntry> entries;
        for (const auto& h : headwords) entries.push_back({h, {}});
        writeTestSet(dir_, "t", title, direction, "x", entries);
        load();
    }
    void load() {
        ASSERT_EQ(store_->loadDictionary(dir_.path(), {"t.nfo", "t.dt1", "t.dt2"}),
                  DictionaryStore::LoadResult::kLoaded);
    }
    // Entry file from record texts, each scrambled and terminated.
    void writeRecords(const std::vector<std::string>& texts) {
        std::string bytes;
        for (const auto& t : texts) bytes += scramble(t) + kRecordTerminator;
        dir_.writeFile("t.dt2", bytes);
    }
    // Collects with both readers, checks that they agree and returns the status.
    CollectStatus collectBoth(std::string_view word) {
        reader_->settleFileWatch();
        const CollectStatus fast = reader_->collectEntryMeanings(*store_, word);
        const CollectStatus plain = collectEntryMeaningsReference(
            *store_, dir_.path(), word, refHomographs_, refRecord_->table, refEntry_->table);
        EXPECT_EQ(fast, plain);
        EXPECT_EQ(recordsOf(reader_->homographSlots), recordsOf(refHomographs_));
        EXPECT_EQ(meaningsOf(reader_->entryMeanings), meaningsOf(refEntry_->table));
        if (reader_->homographSlots.count > 0 && fast == CollectStatus::kOk) {
            EXPECT_EQ(meaningsOf(reader_->recordMeanings), meaningsOf(refRecord_->table));
        }
        return fast;
    }
    std::vector<std::string> entry() const { return meaningsOf(reader_->entryMeanings); }

    struct Table {
        MeaningTable table;
    };
    TempProgramDir dir_;
    std::unique_ptr<DictionaryStore> store_ = std::make_unique<DictionaryStore>();
    std::unique_ptr<EntryReader> reader_ = std::make_unique<EntryReader>();
    HomographSlots refHomographs_{};
    std::unique_ptr<Table> refRecord_ = std::make_unique<Table>();
    std::unique_ptr<Table> refEntry_ = std::make_unique<Table>();
};

TEST(EntryRecordTest, SplitsAtSeparators) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> meanings;
    } cases[] = {
        {"no separator", "pes", {"pes"}},
        {"empty record", "", {""}},
        {"empty middle",
         "a\x03\x03"
         "b",
         {"a", "", "b"}},
        {"separator only", "\x03", {"", ""}},
        {"trailing separator", "a\x03", {"a", ""}},
    };
    auto table = std::make_unique<MeaningTable>();
    for (const auto& c : cases) {
        splitMeanings(c.text.c_str(), *table);
        EXPECT_EQ(meaningsOf(*table), c.meanings) << c.name;
    }
}

TEST(EntryRecordTest, DecodesOddAndEvenLengthsAndStopsAtStoredZeroes) {
    const struct {
        const char* name;
        std::string stored;
        std::string text;
    } cases[] = {
        {"even", scramble("abcd"), "abcd"},
        {"odd keeps its last byte in place", scramble("abc"), "abc"},
        {"odd stored form", std::string("\x9D\x9E\x9C"), "abc"},
        {"stored 0xFF ends the text", scramble("ab") + "\xFF" + scramble("cd"), "ab"},
        {"stored 0x00 ends the text", scramble("ab") + std::string(1, '\0') + scramble("cd"), "ab"},
        {"stored 0xFF at an odd place", scramble("a") + "\xFF", "a"},
    };
    for (const auto& c : cases) {
        char buffer[kEntryRecordBytes] = {};
        std::memcpy(buffer, c.stored.data(), c.stored.size());
        decodeEntryRecord(buffer);
        EXPECT_EQ(std::string(buffer), c.text) << c.name;
    }
}

TEST(EntryRecordTest, MergesGermanArticles) {
    const struct {
        const char* name;
        std::vector<std::string> in;
        std::vector<std::string> out;
    } cases[] = {
        {"das", {"Haus das", "Haus"}, {"das Haus"}},
        {"small noun gets a capital", {"hund der", "hund"}, {"der Hund"}},
        {"no capital for accented letters", {cp("über die"), cp("über")}, {cp("die über")}},
        {"merge then plain meaning", {"A der", "A", "B"}, {"der A", "B"}},
        {"two merges", {"Hund der", "Hund", "Katze die", "Katze"}, {"der Hund", "die Katze"}},
        {"article first is no pair", {"Hund", "Hund der"}, {"Hund", "Hund der"}},
        {"other article text", {"Hund den", "Hund"}, {"Hund den", "Hund"}},
        {"case matters", {"Hund Der", "Hund"}, {"Hund Der", "Hund"}},
        {"a lone article before a meaning stays", {" der", "pes"}, {" der", "pes"}},
        // The last counted slot pairs with the empty slot after it: the article joins
        // nothing and leaves the count.
        {"a lone trailing article leaves", {"pes", " der"}, {"pes"}},
        {"only a lone article", {" die"}, {}},
    };
    auto table = std::make_unique<MeaningTable>();
    for (const auto& c : cases) {
        std::string text;
        for (size_t i = 0; i < c.in.size(); ++i) text += (i ? "\x03" : "") + c.in[i];
        splitMeanings(text.c_str(), *table);
        mergeGermanArticles(*table);
        EXPECT_EQ(meaningsOf(*table), c.out) << c.name;
        // The slot freed at the end is empty.
        EXPECT_EQ(table->at(static_cast<size_t>(table->count)), "") << c.name;
    }
}

TEST_F(EntryReaderTest, CzechFirstTitlesReadTheNextRecord) {
    const struct {
        const char* title;
        const char* record;
    } cases[] = {
        {kTitleEnglishCzech, "R0"},
        {kTitleCzechEnglish, "R1"},
        {kTitleCzechGerman, "R1"},
        {kTitleGermanCzech, "R0"},
    };
    for (const auto& c : cases) {
        writeSet(c.title, "Aj->\xC8j", {"pes", "kocka"});
        writeRecords({"R0", "R1", "R2"});
        ASSERT_EQ(collectBoth("pes"), CollectStatus::kOk);
        EXPECT_EQ(entry(), std::vector<std::string>{c.record}) << c.title;
    }
}

TEST_F(EntryReaderTest, TakesTheTenHighestHomographsHighestFirst) {
    std::vector<std::string> headwords(14, "bank");
    headwords[0] = "a";
    headwords[13] = "z";
    writeSet(kTitleEnglishCzech, "Aj->\xC8j", headwords);
    std::vector<std::string> records;
    for (int i = 0; i < 14; ++i) records.push_back("m" + std::to_string(i));
    writeRecords(records);
    ASSERT_EQ(collectBoth("bank"), CollectStatus::kOk);
    EXPECT_EQ(recordsOf(reader_->homographSlots),
              (std::vector<int32_t>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3}));
    EXPECT_EQ(entry(), (std::vector<std::string>{"m12", "m11", "m10", "m9", "m8", "m7", "m6", "m5",
                                                 "m4", "m3"}));
    EXPECT_EQ(meaningsOf(reader_->recordMeanings), std::vector<std::string>{"m3"});
    // Exact comparison: no folding, no prefix.
    EXPECT_EQ(collectBoth("Bank"), CollectStatus::kOk);
    EXPECT_EQ(reader_->homographSlots.count, 0);
    EXPECT_EQ(collectBoth("ban"), CollectStatus::kOk);
    EXPECT_EQ(reader_->entryMeanings.count, 0);
}

TEST_F(EntryReaderTest, MergesOnlyInTheCzechGermanDirection) {
    const struct {
        const char* direction;
        std::vector<std::string> meanings;
    } cases[] = {
        {kDirectionCzechGerman, {"das Haus"}},
        {kDirectionGermanCzech, {"Haus das", "Haus"}},
        {"Aj->\xC8j", {"Haus das", "Haus"}},
    };
    for (const auto& c : cases) {
        writeSet("Slovnik", c.direction, {"dum"});
        writeRecords({"Haus das\x03Haus"});
        ASSERT_EQ(collectBoth("dum"), CollectStatus::kOk);
        EXPECT_EQ(entry(), c.meanings) << c.direction;
    }
}

TEST_F(EntryReaderTest, ReportsAMissingEntryFileOnlyWhenAnEntryIsRead) {
    writeSet(kTitleEnglishCzech, "Aj->\xC8j", {"dog", "dog"});
    writeRecords({"pes", "psisko"});
    ASSERT_EQ(collectBoth("dog"), CollectStatus::kOk);
    EXPECT_EQ(entry(), (std::vector<std::string>{"psisko", "pes"}));

    std::filesystem::remove(dir_.file("t.dt2"));
    EXPECT_EQ(collectBoth("dog"), CollectStatus::kEntryFileMissing);
    EXPECT_EQ(reader_->entryMeanings.count, 0);
    // Without a homograph the file is not opened.
    EXPECT_EQ(collectBoth("cat"), CollectStatus::kOk);
}

// The file is looked at once per lookup and read again only when it changed: a file
// removed, put back, or replaced by something that is not a regular file between
// lookups is seen at the next one.
TEST_F(EntryReaderTest, SeesTheFileRemovedRestoredOrReplacedBetweenLookups) {
    writeSet(kTitleEnglishCzech, "Aj->\xC8j", {"cat", "dog"});
    writeRecords({"kocka", "pes"});
    ASSERT_EQ(collectBoth("dog"), CollectStatus::kOk);
    ASSERT_EQ(collectBoth("cat"), CollectStatus::kOk);
    EXPECT_EQ(reader_->cacheBuilds(), 1u);

    std::filesystem::rename(dir_.file("t.dt2"), dir_.file("aside"));
    EXPECT_EQ(collectBoth("dog"), CollectStatus::kEntryFileMissing);
    std::filesystem::rename(dir_.file("aside"), dir_.file("t.dt2"));
    ASSERT_EQ(collectBoth("dog"), CollectStatus::kOk);
    EXPECT_EQ(entry(), std::vector<std::string>{"pes"});
    // The same file back: nothing is read again.
    EXPECT_EQ(reader_->cacheBuilds(), 1u);

    std::filesystem::remove(dir_.file("t.dt2"));
    std::filesystem::create_directory(dir_.file("t.dt2"));
    reader_->settleFileWatch();
    EXPECT_EQ(reader_->collectEntryMeanings(*store_, "dog"), CollectStatus::kEntryFileMissing);
    std::filesystem::remove(dir_.file("t.dt2"));
    ASSERT_EQ(::mkfifo(dir_.file("t.dt2").c_str(), 0600), 0);
    // A FIFO would block a reader that opened it; it counts as missing.
    reader_->settleFileWatch();
    EXPECT_EQ(reader_->collectEntryMeanings(*store_, "dog"), CollectStatus::kEntryFileMissing);

    std::filesystem::remove(dir_.file("t.dt2"));
    writeRecords({"kocicka", "psisko"});
    ASSERT_EQ(collectBoth("cat"), CollectStatus::kOk);
    EXPECT_EQ(entry(), std::vector<std::string>{"kocicka"});
}

// Between lookups nothing but the change watch looks at the file, so whatever
// changes it must be seen: here a write through a link to it from another folder,
// which gives the folder no notice. Every lookup looks again.
TEST_F(EntryReaderTest, SeesTheFileRewrittenThroughALinkFromAnotherFolder) {
    writeSet(kTitleEnglishCzech, "Aj->\xC8j", {"cat", "dog"});
    writeRecords({"kocka", "pes"});
    ASSERT_EQ(collectBoth("dog"), CollectStatus::kOk);
    TempProgramDir elsewhere;
    std::filesystem::create_hard_link(dir_.file("t.dt2"), elsewhere.file("link"));
    ASSERT_EQ(collectBoth("dog"), CollectStatus::kOk);
    {
        std::ofstream link(elsewhere.file("link"), std::ios::binary | std::ios::trunc);
        link << scramble("kocicka") << kRecordTerminator << scramble("psisko") << kRecordTerminator;
    }
    ASSERT_EQ(collectBoth("dog"), CollectStatus::kOk);
    EXPECT_EQ(entry(), std::vector<std::string>{"psisko"});
}

// A run of lookups after one look at the file reads the file as it was then.
TEST_F(EntryReaderTest, CheckedSlotsReadTheFileAsLastChecked) {
    writeSet(kTitleEnglishCzech, "Aj->\xC8j", {"cat", "dog"});
    writeRecords({"kocka", "pes"});
    ASSERT_EQ(reader_->checkEntryFile(*store_), CollectStatus::kOk);
    std::filesystem::remove(dir_.file("t.dt2"));
    const uint32_t slots[] = {1};
    reader_->collectCheckedSlots(*store_, slots, 1);
    EXPECT_EQ(entry(), std::vector<std::string>{"pes"});
    EXPECT_EQ(reader_->checkEntryFile(*store_), CollectStatus::kEntryFileMissing);
}

TEST_F(EntryReaderTest, FindsAnEntryFileWhoseNameDiffersInCase) {
    writeSet(kTitleEnglishCzech, "Aj->\xC8j", {"dog"});
    writeRecords({"pes"});
    std::filesystem::rename(dir_.file("t.dt2"), dir_.file("T.DT2"));
    ASSERT_EQ(collectBoth("dog"), CollectStatus::kOk);
    EXPECT_EQ(entry(), std::vector<std::string>{"pes"});
}

TEST_F(EntryReaderTest, KeepsEveryLimitInsideTheTables) {
    writeSet(kTitleEnglishCzech, "Aj->\xC8j", {"long", "many", "wide", "cut", "gone"});
    std::string many;
    for (int i = 0; i < 250; ++i) many += (i ? "\x03" : "") + std::to_string(i);
    const std::string wide(80, 'w');
    std::string bytes = scramble(std::string(1500, 'x')) + kRecordTerminator;
    bytes += scramble(many) + kRecordTerminator;
    bytes += scramble(wide) + kRecordTerminator;
    bytes += scramble("abcdef").substr(0, 4);  // the file ends inside record 3
    dir_.writeFile("t.dt2", bytes);

    ASSERT_EQ(collectBoth("long"), CollectStatus::kOk);
    // 999 stored bytes are kept, then the first 49 of the meaning.
    EXPECT_EQ(entry(), std::vector<std::string>{std::string(49, 'x')});

    ASSERT_EQ(collectBoth("many"), CollectStatus::kOk);
    EXPECT_EQ(reader_->entryMeanings.count, 200);
    EXPECT_EQ(reader_->entryMeanings.at(199), "199");

    ASSERT_EQ(collectBoth("wide"), CollectStatus::kOk);
    EXPECT_EQ(entry(), std::vector<std::string>{std::string(49, 'w')});

    // A record cut off by the end of the file ends there; one past it is empty.
    ASSERT_EQ(collectBoth("cut"), CollectStatus::kOk);
    EXPECT_EQ(entry(), std::vector<std::string>{"abcd"});
    ASSERT_EQ(collectBoth("gone"), CollectStatus::kOk);
    EXPECT_EQ(entry(), std::vector<std::string>{""});
}

TEST_F(EntryReaderTest, StopsGatheringAtTwoHundredMeanings) {
    writeSet(kTitleEnglishCzech, "Aj->\xC8j", {"x", "x", "x"});
    std::string eighty;
    for (int i = 0; i < 80; ++i) eighty += (i ? "\x03" : "") + std::string("m");
    writeRecords({eighty + "\x03"
                           "first",
                  eighty + "\x03"
                           "second",
                  eighty + "\x03"
                           "third"});
    ASSERT_EQ(collectBoth("x"), CollectStatus::kOk);
    ASSERT_EQ(reader_->entryMeanings.count, 200);
    // Highest slot first: 81 of record 2, 81 of record 1, then 38 of record 0.
    EXPECT_EQ(reader_->entryMeanings.at(80), "third");
    EXPECT_EQ(reader_->entryMeanings.at(161), "second");
    EXPECT_EQ(reader_->entryMeanings.at(199), "m");
}

TEST_F(EntryReaderTest, CollectForSlotsReadsTheGivenHomographs) {
    writeSet(kTitleCzechEnglish, "\xC8j->Aj", {"pes", "pes", "kocka"});
    writeRecords({"", "dog", "hound", "cat"});
    const uint32_t slots[] = {1, 0};
    ASSERT_EQ(reader_->checkEntryFile(*store_), CollectStatus::kOk);
    reader_->collectCheckedSlots(*store_, slots, 2);
    EXPECT_EQ(entry(), (std::vector<std::string>{"hound", "dog"}));
    EXPECT_EQ(recordsOf(reader_->homographSlots), (std::vector<int32_t>{2, 1}));
    ASSERT_EQ(collectBoth("pes"), CollectStatus::kOk);
    EXPECT_EQ(entry(), (std::vector<std::string>{"hound", "dog"}));
}

TEST_F(EntryReaderTest, OffsetCacheFollowsAChangedFile) {
    writeSet(kTitleEnglishCzech, "Aj->\xC8j", {"a", "b", "c"});
    writeRecords({"one", "two", "six"});
    ASSERT_EQ(collectBoth("c"), CollectStatus::kOk);
    ASSERT_EQ(collectBoth("b"), CollectStatus::kOk);
    ASSERT_EQ(collectBoth("a"), CollectStatus::kOk);
    EXPECT_EQ(reader_->cacheBuilds(), 1u);

    // Same size, other record boundaries, a later time.
    const auto before = std::filesystem::last_write_time(dir_.file("t.dt2"));
    writeRecords({"o", "twone", "six"});
    std::filesystem::last_write_time(dir_.file("t.dt2"), before + std::chrono::seconds(2));
    ASSERT_EQ(collectBoth("b"), CollectStatus::kOk);
    EXPECT_EQ(entry(), std::vector<std::string>{"twone"});
    EXPECT_EQ(reader_->cacheBuilds(), 2u);

    // A longer file with the same time.
    const auto now = std::filesystem::last_write_time(dir_.file("t.dt2"));
    writeRecords({"o", "twone", "sixteen"});
    std::filesystem::last_write_time(dir_.file("t.dt2"), now);
    ASSERT_EQ(collectBoth("c"), CollectStatus::kOk);
    EXPECT_EQ(entry(), std::vector<std::string>{"sixteen"});
}

// Random dictionaries, including raw entry bytes that break every rule of the
// format and files cut at random places: both readers must give the same answer.
TEST_F(EntryReaderTest, CachedReaderMatchesThePlainReaderOnRandomFiles) {
    std::mt19937 rng(20240611);
    const char* titles[] = {kTitleEnglishCzech, kTitleCzechEnglish, kTitleCzechGerman};
    const char* directions[] = {"Aj->\xC8j", kDirectionCzechGerman, kDirectionGermanCzech};
    for (int round = 0; round < 40; ++round) {
        const size_t count = 1 + rng() % 60;
        std::vector<std::string> headwords;
        for (size_t i = 0; i < count; ++i) headwords.push_back(std::string(1, 'a' + rng() % 5));
        writeSet(titles[rng() % 3], directions[rng() % 3], headwords);

        std::string bytes;
        const size_t records = rng() % (count + 3);
        for (size_t r = 0; r < records; ++r) {
            const size_t len = rng() % 2 == 0 ? rng() % 40 : rng() % 1300;
            std::string text;
            for (size_t i = 0; i < len; ++i) {
                const unsigned pick = rng() % 100;
                // Mostly letters, separators and article pairs; sometimes any byte.
                if (pick < 70) {
                    text.push_back(static_cast<char>('a' + rng() % 3));
                } else if (pick < 85) {
                    text.push_back(kMeaningSeparator);
                } else if (pick < 92) {
                    text += " der";
                } else {
                    text.push_back(static_cast<char>(rng() % 256));
                }
            }
            bytes += (rng() % 4 == 0 ? text : scramble(text)) + kRecordTerminator;
        }
        if (!bytes.empty() && rng() % 3 == 0) bytes.resize(rng() % bytes.size());
        dir_.writeFile("t.dt2", bytes);
        // A fresh time, so the cache cannot mistake this file for the last one.
        std::filesystem::last_write_time(
            dir_.file("t.dt2"),
            std::filesystem::file_time_type::clock::now() + std::chrono::seconds(round + 1));
        for (char w = 'a'; w <= 'f'; ++w) {
            SCOPED_TRACE(::testing::Message() << "round " << round << " word " << w);
            ASSERT_EQ(collectBoth(std::string(1, w)), CollectStatus::kOk);
        }
    }
}

}  // namespace
}  // namespace lexavo
