// The four bundled sets as the build wrote them beside the program: every rule of the
// program's files, read back through the program's loader.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "compile.h"
#include "dictd_reader.h"
#include "ding_reader.h"
#include "reviewed.h"
#include "set_reader.h"
#include "support/lexicon_helpers.h"
#include "support/test_dictionaries.h"
#include "text/cp1250.h"
#include "text_rules.h"

namespace lexavo::mkdict {
namespace {

using testing::succeeded;

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
    EXPECT_TRUE(succeeded(readSetBack(LEXAVO_PROGRAM_DIR, stem, set)));
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
        EXPECT_LE(set.headwords.size(), kHeadwordSlots);
        const bool czechFirst = b.stem[0] == 'c';
        EXPECT_EQ(set.entryRecords, set.headwords.size() + (czechFirst ? 1 : 0));
        size_t bad = 0;
        for (size_t s = 0; s < set.headwords.size(); ++s) {
            const std::string& h = set.headwords[s];
            bad += h.empty() || h.size() > kMaxHeadwordBytes || hasForbiddenTextBytes(h);
            // Reachable from the start slot of its folded first byte: listed by the
            // prefix search, and (without capitals) found by the translate command.
            const int32_t start = set.startIndex[static_cast<unsigned char>(foldAscii(h[0]))];
            bad += start == -1 || static_cast<size_t>(start) > s;
            const auto& meanings = set.entries[s];
            bad += meanings.size() > kMaxMeaningsPerRecord;
            size_t bytes = meanings.size() - 1;
            for (const std::string& m : meanings) {
                bytes += m.size();
                bad += m.empty() || m.size() > kMaxMeaningBytes || hasForbiddenTextBytes(m);
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

const std::vector<std::string>* entryOf(const LoadedSet& set, const std::string& utf8) {
    auto it = std::find(set.headwords.begin(), set.headwords.end(), utf8ToCp1250(utf8));
    if (it == set.headwords.end()) return nullptr;
    return &set.entries[static_cast<size_t>(it - set.headwords.begin())];
}

// Genders Ding gives each German noun standing alone ("Tag {m}", "Tag {n}",
// "Unbill {f,m,n}").
std::map<std::string, std::set<char>> dingGenders() {
    std::map<std::string, std::set<char>> genders;
    std::ifstream in(LEXAVO_DING_DE_EN);
    std::string line;
    DingLine parsed;
    while (std::getline(in, line)) {
        if (!parseDingLine(line, parsed)) continue;
        const std::string left = line.substr(0, line.find(" :: "));
        const std::string firstGroup = left.substr(0, left.find(" | "));
        for (const std::string& alt : splitOutsideBrackets(firstGroup, "; ")) {
            const size_t open = alt.find(" {");
            if (open == std::string::npos) continue;
            const size_t close = alt.find('}', open);
            const std::string tag = alt.substr(open + 2, close - open - 2);
            if (tag.find_first_not_of("mfn,") != std::string::npos) continue;
            for (char g : tag) {
                if (g != ',') genders[alt.substr(0, open)].insert(g);
            }
        }
    }
    // FreeDict German-English, the other source.
    std::vector<DictdArticle> articles;
    EXPECT_TRUE(succeeded(readDictd(LEXAVO_FREEDICT_DIR "/freedict-deu-eng", articles)));
    for (const DictdArticle& a : articles) {
        const FreedictArticle article = parseFreedictArticle(a.body);
        const std::string grammar = a.body.substr(0, a.body.find('\n'));
        for (const auto& [name, g] :
             {std::pair{"masc", 'm'}, std::pair{"fem", 'f'}, std::pair{"neut", 'n'}}) {
            if (grammar.find(name) != std::string::npos) genders[article.headword].insert(g);
        }
    }
    // A reviewer's article is a person's word, not the compiler's: "das Antlitz", or
    // "die Fehler" for the Czech plural "chyby".
    ReviewedList reviewed;
    for (const auto& f : std::filesystem::directory_iterator(LEXAVO_DATA_DIR "/reviewed")) {
        const std::string name = f.path().filename().string();
        if (name.starts_with("czenem.") && name.ends_with(".tsv")) {
            EXPECT_TRUE(succeeded(reviewed.read(f.path().string())));
        }
    }
    for (const ReviewedLine& review : reviewed.lines()) {
        for (const auto& item : review.items) {
            if (item.gender != Gender::kNone)
                genders[item.text].insert(static_cast<char>(item.gender));
        }
    }
    return genders;
}

char genderOfArticle(std::string_view article) {
    return article == "der" ? 'm' : article == "die" ? 'f' : 'n';
}

// The garbage an automatic build makes and no source author wrote.
TEST(MkdictBundled, NoCompilerGarbage) {
    // Glossary lines ("costs, time" -> "náklady, čas") are never inverted into meanings.
    for (const char* stem : {"czeang", "czenem"}) {
        SCOPED_TRACE(stem);
        const LoadedSet set = load(stem);
        size_t lists = 0;
        std::string example;
        for (const auto& meanings : set.entries) {
            for (const std::string& m : meanings) {
                if (m.find(", ") != std::string::npos && ++lists == 1) example = cp1250ToUtf8(m);
            }
        }
        EXPECT_EQ(lists, 0u) << "e.g. " << example;
    }

    // Article pairs only for nouns, with a gender the noun itself has; a cut definition
    // never ends in an article word.
    const auto genders = dingGenders();
    ASSERT_GT(genders.size(), 50000u);
    const LoadedSet cz = load("czenem");
    size_t pairs = 0, notNouns = 0, otherGender = 0, danglingArticles = 0;
    std::string example;
    for (size_t s = 0; s < cz.entries.size(); ++s) {
        const auto& meanings = cz.entries[s];
        for (size_t i = 0; i < meanings.size(); ++i) {
            const std::string& m = meanings[i];
            const size_t blank = m.rfind(' ');
            if (blank == std::string::npos || trailingGermanArticle(m).empty()) continue;
            const std::string noun = m.substr(0, blank);
            if (i + 1 == meanings.size() || meanings[i + 1] != noun) {
                ++danglingArticles;
                continue;
            }
            ++pairs;
            if (!isGermanNoun(noun)) {
                ++notNouns;
                continue;
            }
            auto it = genders.find(cp1250ToUtf8(noun));
            if (it != genders.end() && !it->second.count(genderOfArticle(m.substr(blank + 1)))) {
                if (++otherGender <= 20) {
                    example += cp1250ToUtf8(cz.headwords[s] + " -> " + m) + " (";
                    for (char g : it->second) example += g;
                    example += "); ";
                }
            }
        }
    }
    EXPECT_GT(pairs, 10000u);
    EXPECT_EQ(notNouns, 0u);
    EXPECT_EQ(danglingArticles, 0u);
    EXPECT_EQ(otherGender, 0u) << "e.g. " << example;

    // The article forms of German headwords likewise.
    const LoadedSet de = load("nemcze");
    size_t headForms = 0, headOtherGender = 0;
    for (size_t s = 1; s < de.headwords.size(); ++s) {
        const std::string& h = de.headwords[s];
        if (!isGermanArticleFormOf(h, de.headwords[s - 1])) continue;
        ++headForms;
        EXPECT_TRUE(isGermanNoun(de.headwords[s - 1])) << cp1250ToUtf8(h);
        auto it = genders.find(cp1250ToUtf8(de.headwords[s - 1]));
        if (it != genders.end() && !it->second.count(genderOfArticle(h.substr(h.size() - 3)))) {
            ++headOtherGender;
            ADD_FAILURE() << cp1250ToUtf8(h);
        }
    }
    EXPECT_GT(headForms, 10000u);
    EXPECT_EQ(headOtherGender, 0u);
}

// Pronouns, auxiliaries and the everyday verbs are headwords of every set of their
// language.
TEST(MkdictBundled, BasicWordsArePresentInEveryDirection) {
    const auto missing = [](const char* stem, std::initializer_list<const char*> words) {
        const LoadedSet set = load(stem);
        std::string absent;
        for (const char* w : words) {
            if (entryOf(set, w) == nullptr) absent += std::string(w) + " ";
        }
        return absent;
    };
    EXPECT_EQ(missing("angcze", {"i",    "you",  "he",   "she",  "it",   "we",   "they", "be",
                                 "have", "do",   "will", "can",  "must", "want", "know", "go",
                                 "come", "make", "take", "give", "my",   "your", "our"}),
              "");
    EXPECT_EQ(
        missing("nemcze", {"ich",    "du",     "er",     "sie",    "es",     "wir",    "ihr",
                           "sein",   "haben",  "werden", "können", "müssen", "wollen", "sollen",
                           "dürfen", "wissen", "gehen",  "kommen", "machen", "kaufen", "nehmen",
                           "geben",  "mein",   "unser",  "nicht",  "auch",   "noch",   "warum"}),
        "");
    for (const char* stem : {"czeang", "czenem"}) {
        EXPECT_EQ(
            missing(stem, {"já",    "ty",    "on",   "ona",   "ono",   "my",    "vy",   "oni",
                           "být",   "mít",   "moci", "muset", "chtít", "vědět", "jít",  "přijít",
                           "dělat", "můj",   "moje", "náš",   "domů",  "zase",  "jsme", "jméno",
                           "ten",   "který", "kdo",  "co",    "proč",  "kde",   "kdy",  "jak"}),
            "")
            << stem;
    }
}

// Everyday words past the commonest that once were missing or led with a wrong sense:
// a later Ding synonym, a plural-only line, a phrase pivot, a homonym, a word class, a
// label; each as the first meaning the program shows.
TEST(MkdictBundled, EverydayWordsPastTheCommonest) {
    const std::pair<const char*, std::vector<std::pair<const char*, const char*>>> kWords[] = {
        {"angcze",
         {{"jam", "džem"}, {"crow", "vrána"}, {"bacon", "slanina"}, {"peach", "broskev"}}},
        {"czeang", {{"komín", "chimney"}, {"jelen", "deer"}, {"šnek", "snail"}}},
        {"nemcze",
         {{"Eiche", "dub"},
          {"Kita", "jesle"},
          {"Klee", "jetel"},
          {"Donner", "hrom"},
          {"Schere", "nůžky"},
          {"Rübe", "řepa"},
          // verbs Ding gives only in phrases ("sich erholen", "ein Tier melken")
          {"erholen", "zotavit se"},
          {"melken", "dojit"},
          {"impfen", "očkovat"}}},
        {"czenem", {{"žehlit", "bügeln"}, {"dub", "die Eiche"}, {"nůžky", "die Schere"}}},
    };
    for (const auto& [stem, words] : kWords) {
        const LoadedSet set = load(stem);
        for (const auto& [word, first] : words) {
            const auto* entry = entryOf(set, word);
            ASSERT_NE(entry, nullptr) << stem << " " << word;
            EXPECT_EQ(cp1250ToUtf8(joinGermanArticles(*entry).front()), first)
                << stem << " " << word;
        }
    }
}

// Words that once came out wrong through a homonym of the pivot or another noun's gender.
TEST(MkdictBundled, PivotHomonymsDoNotLead) {
    const LoadedSet de = load("nemcze");
    for (const auto& [word, first] : {std::pair{"Schnee", "sníh"}, std::pair{"Golf", "golf"},
                                      std::pair{"Name", "jméno"}, std::pair{"warum", "proč"}}) {
        const auto* entry = entryOf(de, word);
        ASSERT_NE(entry, nullptr) << word;
        EXPECT_EQ(cp1250ToUtf8(entry->front()), first) << word;
    }
    const LoadedSet cz = load("czenem");
    for (const auto& [word, first] : {std::pair{"den", "der Tag"}, std::pair{"muž", "der Mann"},
                                      std::pair{"dům", "das Haus"}, std::pair{"modrý", "blau"}}) {
        const auto* entry = entryOf(cz, word);
        ASSERT_NE(entry, nullptr) << word;
        EXPECT_EQ(cp1250ToUtf8(joinGermanArticles(*entry).front()), first) << word;
    }
}

}  // namespace
}  // namespace lexavo::mkdict
