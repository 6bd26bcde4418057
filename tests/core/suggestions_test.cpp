// Suggestions for words without an entry, on the bundled sets as users meet them:
// accents left out, typing errors, and nothing offered where the word was found.
#include "lookup/suggestions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "morphology/hunspell_base_forms.h"
#include "text/cp1250.h"

namespace lexavo {
namespace {

enum class Where { kFirst, kAmong, kNothing };
struct Case {
    const char* stem;
    const char* typed;  // UTF-8
    Where where;
    const char* meant;  // UTF-8
};

class BundledSuggestions : public ::testing::TestWithParam<Case> {
  protected:
    static void SetUpTestSuite() {
        forms_ = new HunspellBaseForms(hunspellFolders(LEXAVO_PROGRAM_DIR));
    }
    static void TearDownTestSuite() { delete forms_; }

    std::vector<std::string> offered(const Case& c) {
        DictionaryStore& store = *store_;
        const std::string stem = c.stem;
        if (!std::filesystem::exists(std::string(LEXAVO_PROGRAM_DIR) + "/" + stem + ".dt1")) {
            return {"(set not built)"};
        }
        EXPECT_EQ(
            store.loadDictionary(LEXAVO_PROGRAM_DIR, {stem + ".nfo", stem + ".dt1", stem + ".dt2"}),
            DictionaryStore::LoadResult::kLoaded);
        const std::string typed = utf8ToCp1250(c.typed);
        const TranslateDecision decision = decideTranslate(store, foldAscii(typed), forms_);
        std::vector<std::string> out;
        for (const std::string& s : suggestionsFor(suggester_, store, typed, decision, forms_)) {
            out.push_back(cp1250ToUtf8(s));
        }
        return out;
    }

    static HunspellBaseForms* forms_;
    std::unique_ptr<DictionaryStore> store_ = std::make_unique<DictionaryStore>();
    Suggester suggester_;
};
HunspellBaseForms* BundledSuggestions::forms_ = nullptr;

TEST_P(BundledSuggestions, OffersWhatTheUserMeant) {
    const Case& c = GetParam();
    const std::vector<std::string> got = offered(c);
    ASSERT_LE(got.size(), Suggester::kMaxSuggestions);
    std::string shown;
    for (const std::string& s : got) shown += s + "; ";
    switch (c.where) {
        case Where::kNothing:
            EXPECT_TRUE(got.empty()) << c.typed << " -> " << shown;
            break;
        case Where::kFirst:
            ASSERT_FALSE(got.empty()) << c.typed;
            EXPECT_EQ(got.front(), c.meant) << c.typed << " -> " << shown;
            break;
        case Where::kAmong:
            EXPECT_NE(std::find(got.begin(), got.end(), c.meant), got.end())
                << c.typed << " -> " << shown;
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Bundled, BundledSuggestions,
                         ::testing::Values(
                             // Accents left out: the headword with them comes first.
                             Case{"czeang", "dum", Where::kFirst, "dům"},
                             Case{"czeang", "ctvrtek", Where::kFirst, "čtvrtek"},
                             Case{"czeang", "prilis", Where::kFirst, "příliš"},
                             Case{"nemcze", "Madchen", Where::kFirst, "Mädchen"},
                             Case{"czenem", "kvetina", Where::kFirst, "květina"},
                             // One typing error (a transposed pair among them), then two.
                             Case{"angcze", "recieve", Where::kFirst, "receive"},
                             Case{"angcze", "elephnat", Where::kFirst, "elephant"},
                             Case{"nemcze", "Kartofel", Where::kAmong, "Kartoffel"},
                             Case{"angcze", "wensday", Where::kAmong, "Wednesday"},
                             Case{"angcze", "restuarnat", Where::kAmong, "restaurant"},
                             Case{"nemcze", "Schmeterlng", Where::kAmong, "Schmetterling"},
                             // Found as typed: nothing to offer.
                             Case{"angcze", "house", Where::kNothing, ""},
                             Case{"czeang", "dům", Where::kNothing, ""}));

TEST(EditDistance, CountsTranspositionsAsOneAndStopsAtTheLimit) {
    EXPECT_EQ(boundedEditDistance("recieve", "receive", 2), 1);
    EXPECT_EQ(boundedEditDistance("abc", "abc", 2), 0);
    EXPECT_EQ(boundedEditDistance("kitten", "sitting", 3), 3);
    EXPECT_EQ(boundedEditDistance("kitten", "sitting", 2), 3);  // limit + 1
    EXPECT_EQ(boundedEditDistance("a", "abcd", 2), 3);
    EXPECT_EQ(boundedEditDistance("", "ab", 2), 2);
}

TEST(FoldAccents, SmallLettersWithoutAccents) {
    EXPECT_EQ(foldAccents(utf8ToCp1250("Žluťoučký KŮŇ")), "zlutoucky kun");
    EXPECT_EQ(foldAccents(utf8ToCp1250("Straße Mädchen")), "strasse madchen");
    EXPECT_EQ(foldAccents("a-b 1"), "a-b 1");
}

}  // namespace
}  // namespace lexavo
