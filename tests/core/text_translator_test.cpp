#include "translator/text_translator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "entry/entry_reader.h"
#include "support/reference_translator.h"
#include "support/test_dictionaries.h"

namespace lexavo {
namespace {

using testing::cp;
using testing::TempProgramDir;
using testing::TestEntry;

// A program directory with one dictionary loaded, translated through the fast path
// and, for every translation, through the reference too.
class Translation {
  public:
    Translation(const std::string& title, const std::string& direction,
                const std::vector<TestEntry>& entries) {
        testing::writeTestSet(dir, "dict", title, direction, "w", entries);
        if (store->loadDictionary(dir.path(), {"dict.nfo", "dict.dt1", "dict.dt2"}) !=
            DictionaryStore::LoadResult::kLoaded) {
            ADD_FAILURE() << "dictionary did not load";
        }
    }

    std::string run(std::string_view source, FixedTranslations fixed) {
        std::string result;
        outcome = translator->translate(*store, *reader, source, fixed, result);
        TranslationOutcome referenceOutcome;
        const std::string reference =
            translateTextReference(*store, dir.path(), source, fixed, referenceOutcome);
        EXPECT_EQ(result, reference) << "fast path and reference differ";
        EXPECT_EQ(outcome.entryFileMissing, referenceOutcome.entryFileMissing);
        return result;
    }

    TempProgramDir dir;
    std::unique_ptr<DictionaryStore> store = std::make_unique<DictionaryStore>();
    std::unique_ptr<EntryReader> reader = std::make_unique<EntryReader>();
    std::unique_ptr<TextTranslator> translator = std::make_unique<TextTranslator>();
    TranslationOutcome outcome;
};

std::vector<TestEntry> englishCzech() {
    return {
        {"a", {"X"}},
        {"b", {"Y"}},
        {"and", {"plus"}},
        {"don't", {"ne"}},
        {"dog", {"pes"}},
        {"hello", {cp("haló")}},
        {"house", {cp("dům"), "ubytovat"}},
        {"is", {"jest"}},
        {"slovo", {"word"}},
        {"world", {cp("svět")}},
    };
}

constexpr auto kEnCz = FixedTranslations::kEnglishIntoCzech;
constexpr auto kCzEn = FixedTranslations::kCzechIntoEnglish;
constexpr auto kNone = FixedTranslations::kNone;

struct LoopCase {
    const char* name;
    std::string source;
    FixedTranslations fixed;
    std::string expected;
};

TEST(TextTranslator, WordLoopWithTheEnglishCzechDictionary) {
    Translation t(kTitleEnglishCzech, cp("Aj->Čj"), englishCzech());
    const std::string forty(40, 'q');
    const std::vector<LoopCase> cases = {
        {"empty source", "", kEnCz, ""},
        {"digits separate words", "a1b", kEnCz, "X1Y"},
        {"apostrophe is a letter", "don't", kEnCz, "ne"},
        {"quotes 0x84 and 0x93 are letters", "\x84slovo\x93", kEnCz, "\x84slovo\x93"},
        {"fixed translation and punctuation", "Hello, world!", kEnCz, cp("ahoj, svět!")},
        {"no fixed translations without English", "Hello, world!", kNone, cp("haló, svět!")},
        {"fixed translations replace the meanings", "is and a", kEnCz, "je a X"},
        {"unknown words keep their capitals", "Prague IS big", kEnCz, "Prague je big"},
        {"capitals of a found word are folded", "HOUSE", kEnCz, cp("dům")},
        {"accented capitals are not folded", cp("Ůdog dŮg"), kEnCz, cp("Ůdog dŮg")},
        {"blanks, tabs and line breaks kept", "dog\r\n\tdog   dog\r\n\r\n", kEnCz,
         "pes\r\n\tpes   pes\r\n\r\n"},
        {"39 letters are one word", std::string(39, 'q') + " dog", kEnCz,
         std::string(39, 'q') + " pes"},
        {"40 letters are copied", forty + " dog", kEnCz, forty + " pes"},
        {"a long run is copied whole", forty + "house dog", kEnCz, forty + "house pes"},
        {"a zero byte separates", std::string("dog\0dog", 7), kEnCz, std::string("pes\0pes", 7)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(t.run(c.source, c.fixed), c.expected) << c.name;
        EXPECT_FALSE(t.outcome.entryFileMissing) << c.name;
    }
}

TEST(TextTranslator, CzechIntoEnglishFixedTranslations) {
    Translation t(kTitleCzechEnglish, cp("Čj->Aj"),
                  {{"a", {"also"}}, {"ahoj", {"hi"}}, {"je", {"eats"}}, {"pes", {"dog"}}});
    EXPECT_EQ(t.run("Ahoj, pes je a je.", kCzEn), "hello, dog is and is.");
    // The same words in a German direction take their first meanings.
    EXPECT_EQ(t.run("Ahoj, pes je a je.", kNone), "hi, dog eats also eats.");
    EXPECT_EQ(t.run("je", kEnCz), "eats");
}

TEST(TextTranslator, CapitalisedHeadwordsAreFoundAsWritten) {
    Translation t(kTitleGermanCzech, cp("Nj->Čj"),
                  {{"Haus", {cp("dům")}},
                   {"gut", {cp("dobrý")}},
                   {"Gut", {cp("statek")}},
                   {"Berlin", {cp("Berlín")}}});
    // The small-letter form wins when both exist; otherwise the form as written.
    EXPECT_EQ(t.run("Das Haus ist gut, Gut, Berlin, haus, HAUS", kNone),
              cp("Das dům ist dobrý, dobrý, Berlín, haus, HAUS"));
}

TEST(TextTranslator, HomographsRecordNumbersAndArticles) {
    {
        Translation t(kTitleEnglishCzech, cp("Aj->Čj"),
                      {{"bank", {"břeh"}}, {"dog", {"pes"}}, {"bank", {"banka", "sklad"}}});
        EXPECT_EQ(t.run("bank", kEnCz), "banka");
    }
    {
        // Czech-first titles keep an extra record before the first headword's; "a" is
        // not a headword here, so its fixed translation does not apply.
        Translation t(kTitleCzechEnglish, cp("Čj->Aj"), {{"pes", {"dog"}}, {cp("kočka"), {"cat"}}});
        EXPECT_EQ(t.run(cp("pes a kočka"), kCzEn), "dog a cat");
    }
    {
        Translation t(
            kTitleCzechGerman, cp("Čj->Nj"),
            {{cp("dům"), {"Haus das", "Haus", "Heim das"}}, {"pes", {"hund der", "hund"}}});
        EXPECT_EQ(t.run(cp("dům, pes"), kNone), "das Haus, der Hund");
    }
}

TEST(TextTranslator, SourcesLongerThanOneBufferAreTranslatedWhole) {
    Translation t(kTitleEnglishCzech, cp("Aj->Čj"), englishCzech());
    // An odd start puts every later cut inside a word unless the cut moves back.
    std::string source = "x";
    std::string expected = "x";
    while (source.size() < 3 * kMaxSourceChars) {
        source += " dog";
        expected += " pes";
    }
    EXPECT_EQ(t.run(source, kEnCz), expected);

    // A run of letters longer than a whole piece is copied whole.
    const std::string run(kMaxSourceChars + 100, 'z');
    EXPECT_EQ(t.run(run + " dog " + run, kEnCz), run + " pes " + run);
    // Its end in the next piece is part of the run, not a word of its own.
    const std::string endsInWord = std::string(kMaxSourceChars, 'z') + "house";
    EXPECT_EQ(t.run(endsInWord + " house", kEnCz), endsInWord + cp(" dům"));
}

TEST(TextTranslator, ResultsLongerThanTheBufferAreKeptWhole) {
    const std::string longMeaning(kMeaningBytes - 1, 'm');
    Translation t(kTitleEnglishCzech, cp("Aj->Čj"), {{"a", {longMeaning}}});
    std::string source;
    std::string expected;
    for (int i = 0; i < 30000; ++i) {
        source += "a ";
        expected += longMeaning + " ";
    }
    ASSERT_GT(expected.size(), 10 * kTranslationBufferBytes);
    EXPECT_EQ(t.run(source, kNone), expected);
}

TEST(TextTranslator, MissingEntryFileDropsOnlyTheWordsThatNeedIt) {
    Translation t(kTitleEnglishCzech, cp("Aj->Čj"), englishCzech());
    ASSERT_EQ(std::remove(t.dir.file("dict.dt2").c_str()), 0);
    EXPECT_EQ(t.run("Dog and Prague, hello.", kEnCz), "  Prague, .");
    EXPECT_TRUE(t.outcome.entryFileMissing);
    EXPECT_EQ(t.run("Prague only", kEnCz), "Prague only");
    EXPECT_FALSE(t.outcome.entryFileMissing);
}

// Each run looks at the entry file afresh: one put back, or rewritten with other
// meanings, between runs is read as it now is.
TEST(TextTranslator, EachRunReadsTheEntryFileAsItIsThen) {
    Translation t(kTitleEnglishCzech, cp("Aj->Čj"), englishCzech());
    EXPECT_EQ(t.run("dog house", kNone), cp("pes dům"));
    ASSERT_EQ(std::rename(t.dir.file("dict.dt2").c_str(), t.dir.file("aside").c_str()), 0);
    EXPECT_EQ(t.run("dog house", kNone), " ");
    EXPECT_TRUE(t.outcome.entryFileMissing);
    ASSERT_EQ(std::rename(t.dir.file("aside").c_str(), t.dir.file("dict.dt2").c_str()), 0);
    EXPECT_EQ(t.run("dog house", kNone), cp("pes dům"));

    std::vector<TestEntry> changed = englishCzech();
    for (auto& e : changed) e.meanings = {e.headword + "!"};
    testing::writeTestSet(t.dir, "dict", kTitleEnglishCzech, cp("Aj->Čj"), "w", changed);
    EXPECT_EQ(t.run("dog house", kNone), "dog! house!");
}

TEST(TextTranslator, DirectionTable) {
    struct Row {
        int language;
        bool fromCzech;
        const char* title;
        FixedTranslations fixed;
    };
    const Row rows[] = {
        {kLanguageEnglish, false, kTitleEnglishCzech, kEnCz},
        {kLanguageEnglish, true, kTitleCzechEnglish, kCzEn},
        {kLanguageGerman, false, kTitleGermanCzech, kNone},
        {kLanguageGerman, true, kTitleCzechGerman, kNone},
        {kLanguageNone, false, "", kNone},
        {kLanguageNone, true, "", kNone},
    };
    for (const auto& r : rows) {
        const auto d = translationDirection(r.language, r.fromCzech);
        EXPECT_EQ(d.wantedTitle, r.title) << r.language << r.fromCzech;
        EXPECT_EQ(d.fixed, r.fixed) << r.language << r.fromCzech;
    }
}

// Random dictionaries (homographs, capitals, accented bytes, every title rule and
// the article direction) and random texts: the fast path with random piece and
// result sizes must give exactly what the reference gives.
TEST(TextTranslator, FastPathEqualsReferenceOnRandomDictionariesAndTexts) {
    std::mt19937 rng(7211);
    auto pick = [&](const std::string& from) { return from[rng() % from.size()]; };
    auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(rng); };
    const std::string letters = cp("aAbBeEčČüÜ'\x84\x93");
    const std::string separators = std::string(" ,.!?0123456789\t\r\n-") + std::string(1, '\0');
    const std::string meaningBytes = cp("abcdefghxyz ěščřžýáíé");
    const std::pair<std::string, std::string> kinds[] = {
        {kTitleEnglishCzech, cp("Aj->Čj")},         {kTitleCzechEnglish, cp("Čj->Aj")},
        {kTitleGermanCzech, kDirectionGermanCzech}, {kTitleCzechGerman, kDirectionCzechGerman},
        {cp("Jiný slovník"), cp("Čj->Nj")},
    };
    const FixedTranslations sets[] = {kEnCz, kCzEn, kNone};
    for (int round = 0; round < 40; ++round) {
        std::vector<TestEntry> entries(1 + upTo(120));
        for (auto& e : entries) {
            e.headword.resize(1 + upTo(3));
            for (auto& c : e.headword) c = pick(letters);
            e.meanings.resize(1 + upTo(3));
            for (auto& m : e.meanings) {
                m.resize(upTo(8));
                for (auto& c : m) c = pick(meaningBytes);
            }
            // Article pairs for the Czech-German direction.
            if (upTo(3) == 0) e.meanings = {e.meanings[0] + " das", e.meanings[0], "x"};
            // The words of the fixed translations.
            if (upTo(8) == 0) e.headword = upTo(1) ? "je" : "ahoj";
        }
        const auto& kind = kinds[rng() % std::size(kinds)];
        TempProgramDir dir;
        testing::writeTestSet(dir, "rnd", kind.first, kind.second, "w", entries);
        auto store = std::make_unique<DictionaryStore>();
        ASSERT_EQ(store->loadDictionary(dir.path(), {"rnd.nfo", "rnd.dt1", "rnd.dt2"}),
                  DictionaryStore::LoadResult::kLoaded);
        auto reader = std::make_unique<EntryReader>();
        auto translator = std::make_unique<TextTranslator>(40 + upTo(60), 2 + upTo(100));
        for (int text = 0; text < 8; ++text) {
            std::string source;
            const int tokens = upTo(150);
            for (int i = 0; i < tokens; ++i) {
                const int length = upTo(10) == 0 ? 35 + upTo(90) : 1 + upTo(4);
                for (int k = 0; k < length; ++k) source += pick(letters);
                for (int k = upTo(2); k >= 0; --k) source += pick(separators);
            }
            const auto fixed = sets[rng() % std::size(sets)];
            std::string fast;
            const auto fastOutcome = translator->translate(*store, *reader, source, fixed, fast);
            TranslationOutcome referenceOutcome;
            const std::string reference =
                translateTextReference(*store, dir.path(), source, fixed, referenceOutcome);
            ASSERT_EQ(fast, reference) << "round " << round << " text " << text;
            ASSERT_FALSE(fastOutcome.entryFileMissing);
            ASSERT_FALSE(referenceOutcome.entryFileMissing);
        }
    }
}

}  // namespace
}  // namespace lexavo
