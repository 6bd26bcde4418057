#include "dictionary/headword_index.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "entry/entry_reader.h"
#include "support/test_dictionaries.h"

namespace lexavo {
namespace {

using testing::cp;
using testing::TempProgramDir;

std::vector<uint32_t> found(const HeadwordIndex& index, const DictionaryStore& store,
                            std::string_view word) {
    uint32_t slots[kMaxHomographs];
    const size_t n = index.find(store, word, slots, kMaxHomographs);
    return std::vector<uint32_t>(slots, slots + n);
}

// The plain scan the index must agree with: every equal slot, highest first.
std::vector<uint32_t> scanned(const DictionaryStore& store, std::string_view word) {
    std::vector<uint32_t> out;
    for (uint32_t s = store.headwordCount(); s-- > 0 && out.size() < kMaxHomographs;) {
        if (store.headword(s) == word) out.push_back(s);
    }
    return out;
}

struct StoreFixture {
    std::unique_ptr<DictionaryStore> store = std::make_unique<DictionaryStore>();
    void fill(const std::vector<std::string>& headwords) {
        for (uint32_t s = 0; s < headwords.size(); ++s) store->setSlotForTesting(s, headwords[s]);
        store->setHeadwordCountForTesting(static_cast<uint32_t>(headwords.size()));
    }
};

TEST(HeadwordIndex, FindsEqualSlotsHighestFirstExactlyByByte) {
    StoreFixture f;
    f.fill({"dog", "Dog", cp("čaj"), cp("Čaj"), "dog", "dogs", "do", "dog", ""});
    HeadwordIndex index;
    index.build(*f.store);
    EXPECT_EQ(found(index, *f.store, "dog"), (std::vector<uint32_t>{7, 4, 0}));
    EXPECT_EQ(found(index, *f.store, "Dog"), (std::vector<uint32_t>{1}));
    EXPECT_EQ(found(index, *f.store, cp("čaj")), (std::vector<uint32_t>{2}));
    EXPECT_EQ(found(index, *f.store, cp("Čaj")), (std::vector<uint32_t>{3}));
    EXPECT_TRUE(found(index, *f.store, "DOG").empty());
    EXPECT_TRUE(found(index, *f.store, "d").empty());
    EXPECT_EQ(found(index, *f.store, ""), (std::vector<uint32_t>{8}));
}

TEST(HeadwordIndex, KeepsTheTenHighestOfMoreHomographs) {
    StoreFixture f;
    std::vector<std::string> words(14, "bank");
    words[0] = "river";
    words[5] = "money";
    f.fill(words);
    HeadwordIndex index;
    index.build(*f.store);
    EXPECT_EQ(found(index, *f.store, "bank"),
              (std::vector<uint32_t>{13, 12, 11, 10, 9, 8, 7, 6, 4, 3}));
    uint32_t two[2];
    EXPECT_EQ(index.find(*f.store, "bank", two, 2), 2u);
    EXPECT_EQ(two[1], 12u);
}

TEST(HeadwordIndex, WordsLongerThanASlotAndSlotsPastTheCountNeverMatch) {
    StoreFixture f;
    const std::string full(kMaxHeadwordBytes, 'x');
    f.fill({full, "tail", "tail"});
    f.store->setHeadwordCountForTesting(2);  // slot 2 is left over from a bigger dictionary
    HeadwordIndex index;
    index.build(*f.store);
    EXPECT_EQ(found(index, *f.store, full), (std::vector<uint32_t>{0}));
    EXPECT_TRUE(found(index, *f.store, full + "x").empty());
    EXPECT_EQ(found(index, *f.store, "tail"), (std::vector<uint32_t>{1}));
    EXPECT_TRUE(found(index, *f.store, std::string("tail\0", 5)).empty());
}

TEST(HeadwordIndex, FollowsEveryLoadAndAFailedLoadThatEmptiesTheStore) {
    TempProgramDir dir;
    testing::writeTestSet(dir, "one", kTitleEnglishCzech, cp("Aj->Čj"), "w",
                          {{"cat", {"kočka"}}, {"dog", {"pes"}}});
    testing::writeTestSet(dir, "two", kTitleEnglishCzech, cp("Aj->Čj"), "w",
                          {{"dog", {"pes"}}, {"dog", {"pes2"}}, {"cat", {"kočka"}}});
    DictionaryStore store;
    HeadwordIndex index;
    ASSERT_EQ(store.loadDictionary(dir.path(), {"one.nfo", "one.dt1", "one.dt2"}),
              DictionaryStore::LoadResult::kLoaded);
    index.ensureBuilt(store);
    EXPECT_EQ(found(index, store, "dog"), (std::vector<uint32_t>{1}));
    ASSERT_EQ(store.loadDictionary(dir.path(), {"two.nfo", "two.dt1", "two.dt2"}),
              DictionaryStore::LoadResult::kLoaded);
    index.ensureBuilt(store);
    EXPECT_EQ(found(index, store, "dog"), (std::vector<uint32_t>{1, 0}));
    EXPECT_EQ(found(index, store, "cat"), (std::vector<uint32_t>{2}));

    // Without its headword file a set loads empty; the old slots must not answer.
    std::remove(dir.file("one.dt1").c_str());
    ASSERT_EQ(store.loadDictionary(dir.path(), {"one.nfo", "one.dt1", "one.dt2"}),
              DictionaryStore::LoadResult::kNoHeadwordFile);
    index.ensureBuilt(store);
    EXPECT_TRUE(found(index, store, "dog").empty());
}

TEST(HeadwordIndex, AgreesWithThePlainScanOnRandomTables) {
    std::mt19937 rng(20240611);
    const std::string alphabet = cp("aAbBčČ'ü");
    StoreFixture f;
    HeadwordIndex index;
    for (int round = 0; round < 30; ++round) {
        std::vector<std::string> words(std::uniform_int_distribution<int>(0, 3000)(rng));
        for (auto& w : words) {
            w.resize(std::uniform_int_distribution<int>(0, 3)(rng));
            for (auto& c : w) c = alphabet[rng() % alphabet.size()];
        }
        f.fill(words);
        index.build(*f.store);
        for (int probe = 0; probe < 300; ++probe) {
            std::string w(std::uniform_int_distribution<int>(0, 4)(rng), ' ');
            for (auto& c : w) c = alphabet[rng() % alphabet.size()];
            ASSERT_EQ(found(index, *f.store, w), scanned(*f.store, w)) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace lexavo
