#include "dictionary/dictionary_store.h"

#include <gtest/gtest.h>

#include "app/window_caption.h"
#include "support/test_dictionaries.h"

namespace lexavo {
namespace {

using testing::cp;
using testing::TempProgramDir;

// Writes raw .nfo and .dt1 files, so that damaged files can be tested too.
void writeRaw(const TempProgramDir& dir, uint32_t count, const std::string& direction,
              const std::string& dt1) {
    DictInfo info;
    info.setHeadwordCount(count);
    info.setTitle("Test");
    info.setDirection(direction);
    info.setWordLabel("  Slovo:  ");
    dir.writeFile("t.nfo", std::string(info.bytes.data(), info.bytes.size()));
    dir.writeFile("t.dt1", dt1);
}

std::string records(std::initializer_list<const char*> headwords) {
    std::string out;
    for (const char* h : headwords) out += encodeHeadwordRecord(h);
    return out;
}

class StoreTest : public ::testing::Test {
  protected:
    DictionaryStore::LoadResult load() {
        return store.loadDictionary(dir.path(), {"t.nfo", "t.dt1", "t.dt2"});
    }
    TempProgramDir dir;
    DictionaryStore store;
};

TEST_F(StoreTest, HouseIsStoredScrambledAndKeyedByItsSecondLetter) {
    EXPECT_EQ(encodeHeadwordRecord("house"), "\x90\x97\x8C\x8A\x9A\x04");
    writeRaw(dir, 3, "Aj->Cj", records({"x", "", "house"}));
    ASSERT_EQ(load(), DictionaryStore::LoadResult::kLoaded);
    EXPECT_EQ(store.headwordCount(), 3u);
    EXPECT_EQ(store.headword(2), "house");
    EXPECT_EQ(store.startSlot('o'), 2);   // second letter of house
    EXPECT_EQ(store.startSlot('h'), -1);  // not its first letter
    EXPECT_EQ(store.startSlot('x'), 0);   // a one-byte headword is its own key
    EXPECT_EQ(store.headword(1), "");
    EXPECT_EQ(store.startSlot(0), 1);  // an empty record has the key 0
    EXPECT_EQ(store.dictInfo().title(), "Test");
}

TEST_F(StoreTest, LongHeadwordsKeepTheirFirst21StoredBytes) {
    const std::string w21 = "abcdefghijklmnopqrstu";
    const std::string w22 = "abcdefghijklmnopqrstuv";
    writeRaw(dir, 2, "Aj->Cj", encodeHeadwordRecord(w21) + encodeHeadwordRecord(w22));
    load();
    EXPECT_EQ(store.headword(0), w21);
    // Stored pairs are swapped, so the 21 kept bytes hold bytes 1-20 and 22.
    EXPECT_EQ(store.headword(1), "abcdefghijklmnopqrstv");
}

TEST_F(StoreTest, CzechGermanDirectionAlwaysStartsLetterAAtSlotOne) {
    writeRaw(dir, 3, kDirectionCzechGerman, records({"xa", "ya", "za"}));
    load();
    EXPECT_EQ(store.startSlot('a'), 1);
    writeRaw(dir, 2, kDirectionCzechGerman, records({"xy", "zz"}));
    load();
    EXPECT_EQ(store.startSlot('a'), 1);
    writeRaw(dir, 3, "Aj->Cj", records({"xa", "ya", "za"}));
    load();
    EXPECT_EQ(store.startSlot('a'), 0);
}

TEST_F(StoreTest, EmptyAndShorterDictionaries) {
    writeRaw(dir, 4, "Aj->Cj", records({"one", "two", "three", "four"}));
    load();
    writeRaw(dir, 1, "Nj->Cj", records({"eins"}));
    load();
    EXPECT_EQ(store.headwordCount(), 1u);
    EXPECT_EQ(store.headword(0), "eins");
    EXPECT_EQ(store.headword(1), "two");  // higher slots are left as they were
    EXPECT_EQ(store.dictInfo().direction(), "Nj->Cj");

    writeRaw(dir, 0, "Aj->Cj", "");
    EXPECT_EQ(load(), DictionaryStore::LoadResult::kLoaded);
    EXPECT_EQ(store.headwordCount(), 0u);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(store.startSlot(b), -1);
}

TEST_F(StoreTest, TruncatedFileKeepsTheCompleteRecords) {
    std::string dt1 = records({"ab", "cd", "efgh"});
    dt1.resize(dt1.size() - 2);  // the last record loses its tail and terminator
    writeRaw(dir, 3, "Aj->Cj", dt1);
    load();
    EXPECT_EQ(store.headwordCount(), 2u);
    EXPECT_EQ(store.headword(1), "cd");
    EXPECT_EQ(store.startSlot('f'), -1);  // the dropped record left no key

    writeRaw(dir, 1000, "Aj->Cj", records({"ab", "cd"}));  // count far above the file
    load();
    EXPECT_EQ(store.headwordCount(), 2u);
}

TEST_F(StoreTest, CountAboveCapacityStopsAtTheLastSlot) {
    std::string dt1;
    dt1.reserve(size_t{kHeadwordSlots + 5} * 3);
    const std::string rec = encodeHeadwordRecord("ab");
    for (uint32_t i = 0; i < kHeadwordSlots + 5; ++i) dt1 += rec;
    writeRaw(dir, 0xFFFFFFFFu, "Aj->Cj", dt1);
    load();
    EXPECT_EQ(store.headwordCount(), kHeadwordSlots);
    EXPECT_EQ(store.headword(kHeadwordSlots - 1), "ab");
}

TEST_F(StoreTest, MissingFilesChangeWhatTheyMust) {
    writeRaw(dir, 2, "Aj->Cj", records({"ab", "cd"}));
    load();
    EXPECT_EQ(store.loadDictionary(dir.path(), {"none.nfo", "none.dt1", "none.dt2"}),
              DictionaryStore::LoadResult::kNoInfoFile);
    EXPECT_EQ(store.headwordCount(), 2u);  // the previous dictionary stays usable
    EXPECT_EQ(store.startSlot('b'), 0);

    dir.writeFile("u.nfo", dir.readFile("t.nfo"));
    EXPECT_EQ(store.loadDictionary(dir.path(), {"u.nfo", "u.dt1", "u.dt2"}),
              DictionaryStore::LoadResult::kNoHeadwordFile);
    EXPECT_EQ(store.headwordCount(), 0u);  // no lookup may read the old slots
    EXPECT_EQ(store.startSlot('b'), -1);
}

TEST_F(StoreTest, ShortInfoFileFillsOnlyWhatItHas) {
    writeRaw(dir, 1, "Aj->Cj", records({"ab"}));
    load();
    DictInfo other;
    other.setHeadwordCount(1);
    other.setTitle("Jiný");
    dir.writeFile("t.nfo", std::string(other.bytes.data(), 10));  // count and 6 title bytes
    load();
    EXPECT_EQ(store.dictInfo().title(), "Jiný");
    EXPECT_EQ(store.dictInfo().direction(), "Aj->Cj");
}

TEST_F(StoreTest, UpperCaseFileNamesOpen) {
    writeRaw(dir, 1, "Aj->Cj", records({"ab"}));
    dir.writeFile("ANGCZE.NFO", dir.readFile("t.nfo"));
    dir.writeFile("ANGCZE.DT1", dir.readFile("t.dt1"));
    EXPECT_EQ(store.loadDictionary(dir.path(), {"ANGCZE.nfo", "ANGCZE.dt1", "ANGCZE.dt2"}),
              DictionaryStore::LoadResult::kLoaded);
    EXPECT_EQ(store.headword(0), "ab");
}

TEST(Caption, NamesTheDirectionAndTheAddress) {
    EXPECT_EQ(windowCaptionFor(cp("Nj->Čj")), cp("[Nj->Čj] Lexavo 6  (www.lexavo.example)"));
    EXPECT_EQ(initialWindowCaption(), cp("[Aj->Čj] Lexavo 6  (www.lexavo.example)"));
}

}  // namespace
}  // namespace lexavo
