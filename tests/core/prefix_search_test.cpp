// The prefix search: thresholds, ASCII folding, the start slot, the German pairs,
// the count line and its Czech plurals, and the exact lookups of the translate
// command.

#include "lookup/prefix_search.h"

#include <gtest/gtest.h>

#include <memory>

#include "lookup/exact_lookup.h"
#include "support/test_dictionaries.h"
#include "text/fixed_text.h"

namespace lexavo {
namespace {

using testing::cp;

class PrefixSearchTest : public ::testing::Test {
  protected:
    // Loads headwords from real files; slot 0 is "ya" so that the start slot of
    // every first letter a to z used below is 0 or later as the data gives it.
    void loadSet(const std::vector<std::string>& headwords, const std::string& direction) {
        std::vector<testing::TestEntry> entries;
        for (const auto& h : headwords) entries.push_back({h, {"x"}});
        testing::writeTestSet(dir_, "t", "Slovnik", direction, "x", entries);
        ASSERT_EQ(store_->loadDictionary(dir_.path(), {"t.nfo", "t.dt1", "t.dt2"}),
                  DictionaryStore::LoadResult::kLoaded);
    }
    // Every first letter starts its scan at slot 0.
    void scanFromZero() {
        for (int b = 0; b < 256; ++b) store_->startIndexForTesting()[b] = 0;
    }
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (uint32_t r = 0; r < search_->listRows(); ++r) {
            out.emplace_back(store_->headword(search_->rowSlot(r)));
        }
        return out;
    }
    bool run(const std::string& typed, int32_t threshold = 1) {
        word_.set(typed);
        return search_->run(*store_, word_.data(), threshold);
    }

    testing::TempProgramDir dir_;
    std::unique_ptr<DictionaryStore> store_ = std::make_unique<DictionaryStore>();
    std::unique_ptr<PrefixSearch> search_ = std::make_unique<PrefixSearch>();
    FixedText<1000> word_;
};

TEST(CountLineTest, UsesTheCzechPlurals) {
    const struct {
        uint32_t count;
        const char* line;
    } cases[] = {{0, "dom: 0 slov"}, {1, "dom: 1 slovo"},  {2, "dom: 2 slova"}, {4, "dom: 4 slova"},
                 {5, "dom: 5 slov"}, {12, "dom: 12 slov"}, {22, "dom: 22 slov"}};
    for (const auto& c : cases) {
        char out[kCountLineBytes];
        formatCountLine("dom", c.count, out, sizeof out);
        EXPECT_STREQ(out, c.line);
    }
}

TEST_F(PrefixSearchTest, FoldsAsciiOnBothSidesOnly) {
    loadSet({"abc", "Abd", "aBe", "ABF", "ax", cp("česky"), cp("Česko"), cp("čert")}, "Aj->\xC8j");
    scanFromZero();
    ASSERT_TRUE(run("AB"));
    EXPECT_EQ(word_.view(), "ab");
    EXPECT_EQ(rows(), (std::vector<std::string>{"abc", "Abd", "aBe", "ABF"}));
    EXPECT_EQ(search_->countLine(), "ab: 4 slova");

    ASSERT_TRUE(run(cp("Čes")));
    EXPECT_EQ(rows(), std::vector<std::string>{cp("Česko")});
    ASSERT_TRUE(run(cp("čE")));
    EXPECT_EQ(rows(), (std::vector<std::string>{cp("česky"), cp("čert")}));
    EXPECT_EQ(search_->countLine(), cp("če: 2 slova"));
}

TEST_F(PrefixSearchTest, BelowTheThresholdOnlyEmptiesTheList) {
    loadSet({"ab", "ac", "b"}, "Aj->\xC8j");
    scanFromZero();
    ASSERT_TRUE(run("ab"));
    EXPECT_EQ(search_->matchCount(), 1u);
    EXPECT_EQ(search_->foundSlot(), 0);

    EXPECT_FALSE(run("B", 1));
    EXPECT_EQ(word_.view(), "b");
    EXPECT_EQ(search_->listRows(), 0u);
    EXPECT_EQ(search_->matchCount(), 1u);
    EXPECT_EQ(search_->foundSlot(), 0);
    EXPECT_EQ(search_->countLine(), "ab: 1 slovo");

    // Threshold 0 lists a single letter; -1 even an empty word.
    ASSERT_TRUE(run("B", 0));
    EXPECT_EQ(rows(), std::vector<std::string>{"b"});
    EXPECT_EQ(search_->foundSlot(), 2);
    ASSERT_TRUE(run("", -1));
    EXPECT_EQ(search_->matchCount(), 3u);
}

TEST_F(PrefixSearchTest, ScansFromTheStartSlotToTheEnd) {
    // Start slots come from the second stored byte: "zoo" starts the letter o,
    // "bat" the letter a, and so on.
    loadSet({"abbey", "xa", "about", "zoo", "About", "ab"}, "Aj->\xC8j");
    ASSERT_EQ(store_->startSlot('a'), 1);
    ASSERT_TRUE(run("ab"));
    // "abbey" lies before the start slot of a; "About" after a gap is listed.
    EXPECT_EQ(rows(), (std::vector<std::string>{"about", "About", "ab"}));
    EXPECT_EQ(search_->foundSlot(), 2);
    // No slot has the key byte q: nothing is scanned.
    ASSERT_TRUE(run("qa"));
    EXPECT_EQ(search_->matchCount(), 0u);
    EXPECT_EQ(search_->foundSlot(), -1);
    EXPECT_EQ(search_->countLine(), "qa: 0 slov");
}

TEST_F(PrefixSearchTest, LongerThanAnyHeadwordMatchesNothing) {
    const std::string longest(21, 'a');
    loadSet({longest}, "Aj->\xC8j");
    scanFromZero();
    ASSERT_TRUE(run(longest));
    EXPECT_EQ(search_->matchCount(), 1u);
    ASSERT_TRUE(run(longest + "a"));
    EXPECT_EQ(search_->matchCount(), 0u);
}

TEST_F(PrefixSearchTest, JoinsGermanPairsOnlyInGermanCzech) {
    const struct {
        const char* name;
        const char* direction;
        std::vector<std::string> headwords;
        std::vector<std::string> rows;
        int32_t foundSlot;
    } cases[] = {
        {"noun and article", kDirectionGermanCzech, {"Haus", "Haus das"}, {"Haus das"}, 1},
        {"identical pair", kDirectionGermanCzech, {"Bank", "Bank"}, {"Bank"}, 1},
        {"article first", kDirectionGermanCzech, {"Haus das", "Haus"}, {"Haus das", "Haus"}, 0},
        {"short noun", kDirectionGermanCzech, {"ha", "ha der"}, {"ha der"}, 1},
        {"noun then a longer word",
         kDirectionGermanCzech,
         {"Haus", "Hausdas"},
         {"Haus", "Hausdas"},
         0},
        {"article is case-sensitive",
         kDirectionGermanCzech,
         {"Haus", "Haus Das"},
         {"Haus", "Haus Das"},
         0},
        {"other direction", "Aj->\xC8j", {"Haus", "Haus das"}, {"Haus", "Haus das"}, 0},
        {"other direction, same words",
         kDirectionCzechGerman,
         {"Bank", "Bank"},
         {"Bank", "Bank"},
         0},
    };
    for (const auto& c : cases) {
        loadSet(c.headwords, c.direction);
        scanFromZero();
        ASSERT_TRUE(run(c.headwords[0].substr(0, 2))) << c.name;
        EXPECT_EQ(rows(), c.rows) << c.name;
        EXPECT_EQ(search_->matchCount(), c.rows.size()) << c.name;
        EXPECT_EQ(search_->foundSlot(), c.foundSlot) << c.name;
    }
}

TEST_F(PrefixSearchTest, ExactAndFoldedLookups) {
    loadSet({"xa", "London", "house", "House", "london"}, "Aj->\xC8j");
    scanFromZero();
    EXPECT_EQ(findExactSlot(*store_, "house"), 2);
    EXPECT_EQ(findExactSlot(*store_, "hous"), -1);
    EXPECT_EQ(findExactSlot(*store_, "houses"), -1);
    EXPECT_EQ(findExactSlot(*store_, "London"), 1);
    // The folded lookup takes the first slot from the start slot.
    EXPECT_EQ(findFoldedSlot(*store_, "london"), 1);
    store_->startIndexForTesting()['l'] = 2;
    EXPECT_EQ(findFoldedSlot(*store_, "london"), 4);
    EXPECT_EQ(findFoldedSlot(*store_, "londo"), -1);
    EXPECT_EQ(findFoldedSlot(*store_, ""), -1);
    store_->startIndexForTesting()['l'] = -1;
    EXPECT_EQ(findExactSlot(*store_, "london"), -1);
}

}  // namespace
}  // namespace lexavo
