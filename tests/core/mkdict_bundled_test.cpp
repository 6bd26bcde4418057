// The four bundled sets as the build wrote them beside the program: every rule of the
// program's files, read back through the program's loader.
#include <gtest/gtest.h>

#include "set_reader.h"
#include "support/test_dictionaries.h"
#include "text/cp1250.h"
#include "text_rules.h"

namespace lexavo::mkdict {
namespace {

using lexavo::testing::cp;

struct Bundled {
    const char* stem;
    const char* title;
    const char* direction;
    const char* label;
};

const Bundled kSets[] = {
    {"angcze", "Anglicko-český slovník", "Aj->Čj", "  Anglické slovo:  "},
    {"czeang", "Česko-anglický slovník", "Čj->Aj", "  České slovo:  "},
    {"nemcze", "Německo-český slovník", "Nj->Čj", "  Německé slovo:  "},
    {"czenem", "Česko-německý slovník", "Čj->Nj", "  České slovo:  "},
};

LoadedSet load(const char* stem) {
    LoadedSet set;
    std::string error;
    EXPECT_TRUE(readSetBack(LEXAVO_PROGRAM_DIR, stem, set, error)) << error;
    return set;
}

TEST(MkdictBundled, EverySetObeysTheFileRules) {
    for (const Bundled& b : kSets) {
        SCOPED_TRACE(b.stem);
        const LoadedSet set = load(b.stem);
        EXPECT_EQ(set.info.title(), cp(b.title));
        EXPECT_EQ(set.info.direction(), cp(b.direction));
        EXPECT_EQ(set.info.wordLabel(), cp(b.label));
        ASSERT_GT(set.headwords.size(), 10000u);
        EXPECT_LE(set.headwords.size(), kMaxHeadwords);
        const bool czechFirst = b.stem[0] == 'c';
        EXPECT_EQ(set.entryRecords, set.headwords.size() + (czechFirst ? 1 : 0));
        size_t bad = 0;
        for (size_t s = 0; s < set.headwords.size(); ++s) {
            const std::string& h = set.headwords[s];
            bad += h.empty() || h.size() > kMaxHeadwordBytes || hasForbiddenBytes(h);
            // Reachable from the start slot of its folded first byte: listed by the
            // prefix search, and (without capitals) found by the translate command.
            const int32_t start = set.startIndex[static_cast<unsigned char>(foldAscii(h[0]))];
            bad += start == -1 || static_cast<size_t>(start) > s;
            const auto& meanings = set.entries[s];
            bad += meanings.size() > kMaxMeaningsPerRecord;
            size_t bytes = meanings.size() - 1;
            for (const std::string& m : meanings) {
                bytes += m.size();
                bad += m.empty() || m.size() > kMaxMeaningBytes || hasForbiddenBytes(m);
            }
            bad += bytes > kMaxRecordBytes;
            EXPECT_EQ(bad, 0u) << "slot " << s << " " << cp1250ToUtf8(h);
            if (bad) break;
        }
    }
}

TEST(MkdictBundled, GermanArticlePatterns) {
    const LoadedSet de = load("nemcze");
    size_t pairs = 0;
    for (size_t s = 0; s + 1 < de.headwords.size(); ++s) {
        for (const char* a : {" der", " die", " das"}) {
            if (de.headwords[s + 1] == de.headwords[s] + a) ++pairs;
        }
    }
    EXPECT_GT(pairs, 10000u);
    auto haus = std::find(de.headwords.begin(), de.headwords.end(), "Haus");
    ASSERT_NE(haus, de.headwords.end());
    EXPECT_EQ(*(haus + 1), "Haus das");

    const LoadedSet cz = load("czenem");
    size_t joined = 0;
    for (const auto& meanings : cz.entries) {
        for (const std::string& m : joinGermanArticles(meanings)) {
            joined += m.starts_with("der ") || m.starts_with("die ") || m.starts_with("das ");
        }
    }
    EXPECT_GT(joined, 10000u);
}

TEST(MkdictBundled, HouseIsDumFirst) {
    const LoadedSet set = load("angcze");
    auto it = std::find(set.headwords.begin(), set.headwords.end(), "house");
    ASSERT_NE(it, set.headwords.end());
    EXPECT_EQ(set.entries[static_cast<size_t>(it - set.headwords.begin())].front(), cp("dům"));
}

}  // namespace
}  // namespace lexavo::mkdict
