// The dictionary compiler's rules on small inputs: text limits, readers, slot order
// and reachability, German article patterns, and a compiled set read back through the
// program's loader.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>
#include <fstream>

#include "compile.h"
#include "dictd_reader.h"
#include "ding_reader.h"
#include "ordering.h"
#include "pivot.h"
#include "ranking.h"
#include "set_reader.h"
#include "support/lexicon_helpers.h"
#include "support/test_dictionaries.h"
#include "text/cp1250.h"
#include "text_rules.h"

namespace lexavo::mkdict {
namespace {

using testing::succeeded;

using lexavo::testing::cp;
using lexavo::testing::TempProgramDir;

Sense sense(const std::string& text) {
    Sense s;
    s.text = text;
    return s;
}

struct FitCase {
    const char* name;
    std::string source;
    FitResult result;
    std::string expected;  // UTF-8
};

class MeaningFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(MeaningFit, NotesGoFirstThenWholeSensesAndNoPhraseIsCut) {
    std::string out;
    EXPECT_EQ(fitMeaning(GetParam().source, out), GetParam().result);
    if (GetParam().result == FitResult::kFits || GetParam().result == FitResult::kShortened) {
        EXPECT_EQ(out, cp(GetParam().expected.c_str()));
        EXPECT_LE(out.size(), kMaxMeaningBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MkdictText, MeaningFit,
    ::testing::Values(FitCase{"short", "za (dobu, kus)", FitResult::kFits, "za (dobu, kus)"},
                      FitCase{"notes",
                              "[fráz] barový povaleč (osoba chodící často do barů a hospod)",
                              FitResult::kShortened, "barový povaleč"},
                      FitCase{"list", "persönliche Rechen-, Speicherplattform, Datenwolke im Netz",
                              FitResult::kShortened, "persönliche Rechen-, Speicherplattform"},
                      FitCase{"phrase",
                              "persönliche Rechen- und Speicherplattform im Netz der Firma",
                              FitResult::kTooLong, ""},
                      FitCase{"word", std::string(50, 'x'), FitResult::kTooLong, ""},
                      FitCase{"badBytes", "spanende ʃpˈɑːnəndə", FitResult::kBadBytes, ""},
                      FitCase{"blank", "   ", FitResult::kEmpty, ""}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(MkdictText, HeadwordsAreNeverShortened) {
    std::string out;
    EXPECT_EQ(fitHeadword(std::string(21, 'a'), out), FitResult::kFits);
    EXPECT_EQ(fitHeadword(std::string(22, 'a'), out), FitResult::kTooLong);
    // Accented letters count as one byte each in code page 1250.
    EXPECT_EQ(fitHeadword("žluťoučký kůň úpěl ó", out), FitResult::kFits);
    EXPECT_EQ(out.size(), 20u);
    EXPECT_EQ(fitHeadword("'round the clock'", out), FitResult::kFits);
    EXPECT_EQ(out, "round the clock");
    EXPECT_EQ(fitHeadword("Crêpe", out), FitResult::kBadBytes);
}

TEST(MkdictText, TypographicCharactersBecomeTheirCodePageEquivalents) {
    std::string out;
    // U+2010 hyphen, U+2011 non-breaking hyphen, U+2012 figure dash, U+2212 minus.
    EXPECT_EQ(fitMeaning("well\u2010off", out), FitResult::kFits);
    EXPECT_EQ(out, "well-off");
    EXPECT_EQ(fitMeaning("a\u2011b\u2012c\u2212d", out), FitResult::kFits);
    EXPECT_EQ(out, "a-b-c-d");
    EXPECT_EQ(fitHeadword("book\u2010keeper", out), FitResult::kFits);
    EXPECT_EQ(out, "book-keeper");
    // Horizontal bar as em dash (0x97), narrow no-break space as no-break space (0xA0),
    // a thin space as a blank that collapses with its neighbour, a zero-width space
    // removed.
    EXPECT_EQ(fitMeaning("a\u2015b\u202Fc \u2009d\u200Be", out), FitResult::kFits);
    EXPECT_EQ(out,
              "a\x97"
              "b\xA0"
              "c de");
    // The shortened path (notes dropped) keeps the replacement too.
    EXPECT_EQ(
        fitMeaning("apple\u2010tree (a tree that bears apples, in gardens and orchards)", out),
        FitResult::kShortened);
    EXPECT_EQ(out, "apple-tree");
    // Characters without an equivalent still drop the text; a cut sequence is kept.
    EXPECT_EQ(fitMeaning("well\u2010off \u0283", out), FitResult::kBadBytes);
    EXPECT_EQ(typographicToCp1250("ab\xE2\x80"), "ab\xE2\x80");
    EXPECT_EQ(typographicToCp1250("p\u0159\u00EDli\u0161 \u2013 \u00A0"),
              "p\u0159\u00EDli\u0161 \u2013 \u00A0");
}

TEST(MkdictText, ForbiddenBytes) {
    for (int b : {0x00, 0x03, 0x04, 0xFB, 0xFF}) {
        EXPECT_TRUE(hasForbiddenTextBytes(std::string(1, static_cast<char>(b)))) << b;
    }
    EXPECT_FALSE(hasForbiddenTextBytes(cp("příliš žluťoučký kůň")));
}

TEST(MkdictText, SplitsOnlyOutsideBrackets) {
    EXPECT_EQ(splitOutsideBrackets("a (b, c), d", ", "),
              (std::vector<std::string>{"a (b, c)", "d"}));
    EXPECT_EQ(withoutNotes("[hud] house (styl hudby)"), "house");
}

TEST(MkdictReaders, FreedictArticle) {
    const FreedictArticle a = parseFreedictArticle(
        "Haus /hˈaʊs/ <neut, n, sg>\n"
        "house <n>, home\n"
        "   Synonym: {Gebäude}\n"
        "      \"ein Haus bauen\"  - build a house\n"
        " see: {Häuser}\n");
    EXPECT_EQ(a.headword, "Haus");
    EXPECT_EQ(a.gender, Gender::kNeuter);
    EXPECT_EQ(a.pos, "n");
    ASSERT_EQ(a.translations.size(), 2u);
    EXPECT_EQ(a.translations[0].text, "house");
    EXPECT_EQ(a.translations[1].text, "home");
    // Numbered senses lose their numbers.
    const FreedictArticle b =
        parseFreedictArticle("asi /ˈasi/\n1. about, approximately\n12. probably\n");
    ASSERT_EQ(b.translations.size(), 3u);
    EXPECT_EQ(b.translations[0].text, "about");
    EXPECT_EQ(b.translations[2].text, "probably");
    // A note in the headword line is not part of the headword.
    const FreedictArticle c = parseFreedictArticle("mit /mˈɪt/ ([+ dat]) <prep>\nwith <prep>\n");
    EXPECT_EQ(c.headword, "mit");
    EXPECT_EQ(c.pos, "prep");
}

TEST(MkdictReaders, DictdDatabaseThroughZlib) {
    TempProgramDir dir;
    const std::string body = "dog <n>\npes\ndog\nlump\n";
    gzFile gz = gzopen(dir.file("t.dict.dz").c_str(), "wb");
    gzwrite(gz, body.data(), static_cast<unsigned>(body.size()));
    gzclose(gz);
    // A pseudo-entry; "dog" at 0, 12 bytes ("M"); "dog" at 12, 9 bytes ("J").
    dir.writeFile("t.index", "00databaseinfo\tA\tB\ndog\tA\tM\ndog\tM\tJ\n");
    std::vector<DictdArticle> articles;
    ASSERT_TRUE(succeeded(readDictd(dir.file("t"), articles)));
    ASSERT_EQ(articles.size(), 2u);
    EXPECT_EQ(articles[1].body, "dog\nlump\n");
    Lexicon lexicon;
    addFreedictArticles(articles, lexicon);
    ASSERT_NE(lexicon.find("dog"), nullptr);
    EXPECT_EQ(lexicon.find("dog")->senses.size(), 2u);

    dir.writeFile("t.index", "dog\tA\tZZZ\n");
    EXPECT_FALSE(readDictd(dir.file("t"), articles).ok());
    uint64_t v = 0;
    EXPECT_TRUE(decodeDictdNumber("BA", v));
    EXPECT_EQ(v, 64u);
}

TEST(MkdictReaders, DingLineTakesBaseFormsAndGender) {
    DingLine line;
    ASSERT_TRUE(parseDingLine("Haus {n}; Zuhause {n} | Häuser {pl} :: house; home | houses", line));
    ASSERT_EQ(line.left.size(), 2u);
    EXPECT_EQ(line.left[0].text, "Haus");
    EXPECT_EQ(line.left[0].gender, Gender::kNeuter);
    ASSERT_EQ(line.right.size(), 2u);
    EXPECT_EQ(line.right[1].text, "home");
    ASSERT_TRUE(parseDingLine("gehen {vi} :: to go", line));
    EXPECT_EQ(line.right[0].text, "go");
    EXPECT_FALSE(parseDingLine("# comment :: x", line));
    // Abbreviations between slashes go; a slash inside a word stays.
    ASSERT_TRUE(parseDingLine("Straße {f} /Str./ | Straßen {pl} :: street /St/; and/or /x", line));
    EXPECT_EQ(line.left[0].text, "Straße");
    EXPECT_EQ(line.left[0].gender, Gender::kFeminine);
    ASSERT_EQ(line.right.size(), 2u);
    EXPECT_EQ(line.right[0].text, "street");
    EXPECT_EQ(line.right[1].text, "and/or /x");
    EXPECT_EQ(line.groups, 2u);
}

TEST(MkdictReaders, DingMainLineOfAWordScoresHighest) {
    TempProgramDir dir;
    dir.writeFile("de-en",
                  "# comment\n"
                  "Hund {m} (Bergbau) :: tub\n"
                  "Hund {m} | Hunde {pl} | einen Hund abrichten :: dog | dogs | to train a dog\n");
    Lexicon lexicon;
    ASSERT_TRUE(succeeded(readDing(dir.file("de-en"), lexicon)));
    const Headword* hund = lexicon.find("Hund");
    ASSERT_NE(hund, nullptr);
    ASSERT_EQ(hund->senses.size(), 2u);
    EXPECT_EQ(hund->senses[0].text, "tub");
    EXPECT_EQ(hund->senses[0].score, 0.0);
    EXPECT_DOUBLE_EQ(hund->senses[1].score, std::log(3.0));
    EXPECT_DOUBLE_EQ(hund->prior, std::log(3.0));
    EXPECT_FALSE(readDing(dir.file("missing"), lexicon).ok());
}

Sense tagged(const std::string& text, const std::string& pos, double score = 0) {
    Sense s = sense(text);
    s.pos = pos;
    s.score = score;
    return s;
}

std::vector<std::string> textsOf(const Headword* h) {
    std::vector<std::string> texts;
    if (h != nullptr) {
        for (const Sense& s : h->senses) texts.push_back(s.text);
    }
    return texts;
}

TEST(MkdictRanking, ConfirmationIgnoresCaseAndOutweighsShape) {
    // The Czech-English basic vocabulary capitalises some headwords ("Škola").
    Lexicon reverse;
    reverse.add("Škola", sense("school"));
    const Confirmations confirmations = confirmationsFrom(reverse);
    EXPECT_TRUE(confirmations.count(confirmationKey("škola", "School")));
    EXPECT_FALSE(confirmations.count(confirmationKey("školit", "school")));

    Lexicon lexicon;
    lexicon.add("school", tagged("trénovat", ""));
    lexicon.add("school", tagged("vyškolit", "v"));
    lexicon.add("school", tagged("vzdělat", "v"));
    lexicon.add("school", tagged("vyučovat", "v"));
    lexicon.add("school", tagged("škola", "n"));
    lexicon.add("school", tagged("škola (budova)", "n"));
    Lexicon unconfirmed = lexicon;
    rankSenses(lexicon, confirmations);
    rankSenses(unconfirmed, Confirmations{});
    // Confirmed, so first although it is of the minority word class and shorter
    // senses of the usual class would win on shape; the duplicate with a note merges
    // into it.
    const std::vector<std::string> ranked = textsOf(lexicon.find("school"));
    ASSERT_EQ(ranked.size(), 5u);
    EXPECT_EQ(ranked[0], "škola");
    EXPECT_NE(textsOf(unconfirmed.find("school")).front(), "škola");
}

TEST(MkdictRanking, CzechVerbSensesPreferTheInfinitive) {
    Lexicon lexicon;
    lexicon.add("read", tagged("četl", ""));
    lexicon.add("read", tagged("viz", "v"));
    lexicon.add("read", tagged("číst", "v"));
    lexicon.add("read", tagged("přečíst si", "v"));
    Lexicon plain = lexicon;
    RankWeights czech;
    czech.czechMeanings = true;
    rankSenses(lexicon, Confirmations{}, czech);
    rankSenses(plain, Confirmations{});
    EXPECT_EQ(textsOf(lexicon.find("read")).front(), "číst");
    // Without the rule the shortest sense wins.
    EXPECT_EQ(textsOf(plain.find("read")).front(), "viz");
}

TEST(MkdictRanking, PivotStartsFromTheMainSenseAndInversionPrefersCommonWords) {
    // German -> English in source order, the main sense last but scored by its line.
    Lexicon left;
    left.add("Haus", tagged("building", "n"));
    left.add("Haus", tagged("institution", "n"));
    left.add("Haus", tagged("house", "n", std::log(15.0)));
    left.entry("Haus").prior = std::log(15.0);
    left.add("Klammhaken", tagged("dog", "n"));
    left.add("Klammhaken", tagged("clamp", "n"));
    left.add("Hund", tagged("dog", "n", std::log(9.0)));
    left.entry("Hund").prior = std::log(9.0);
    Lexicon right;
    right.add("building", tagged("budova", "n"));
    right.add("institution", tagged("instituce", "n"));
    right.add("house", tagged("dům", "n"));
    right.add("dog", tagged("pes", "n"));
    right.add("clamp", tagged("svorka", "n"));
    // Ding's preposition tag with its case agrees with FreeDict's.
    left.add("mit", tagged("with", "prp; +Dat."));
    right.add("with", tagged("s", "prep"));
    right.add("with", tagged("spolu", "adv"));
    EXPECT_EQ(wordClass("prp; +Dat."), "prep");
    EXPECT_EQ(wordClass("vt"), "v");
    PivotRules rules;
    rules.pivotsPerHeadword = 2;
    const Lexicon pivoted = pivotLexicon(left, right, rules);
    // Only the first two pivots count: the main one is among them and leads.
    EXPECT_EQ(textsOf(pivoted.find("Haus")), (std::vector<std::string>{"dům", "budova"}));
    EXPECT_EQ(textsOf(pivoted.find("mit")), (std::vector<std::string>{"s"}));
    ASSERT_NE(pivoted.find("Hund"), nullptr);
    EXPECT_DOUBLE_EQ(pivoted.find("Hund")->prior, std::log(9.0));

    // "pes" is the first meaning of both; the word with the rich Ding line wins, not
    // the one with more senses.
    Lexicon inverted = invertLexicon(pivoted);
    sortByScore(inverted);
    EXPECT_EQ(textsOf(inverted.find("pes")).front(), "Hund");
    EXPECT_EQ(textsOf(inverted.find("svorka")), (std::vector<std::string>{"Klammhaken"}));
}

std::vector<std::string> slotsOf(const std::vector<Unit>& units) {
    std::vector<std::string> slots;
    for (const Unit& u : units) slots.push_back(u.head);
    return slots;
}

TEST(MkdictOrdering, MovesAnAnchorInFrontOfTheFirstHeadwordThatNeedsIt) {
    // "bob" needs a start slot for 'b': only "xbox" has 'b' as its second byte, and it
    // sorts after "bob".
    std::vector<Unit> units{{"aa"}, {"ax"}, {"bob"}, {"Bond"}, {"xbox"}};
    ASSERT_FALSE(findUnreachable(slotsOf(units), false).empty());
    const ArrangeResult r = arrangeForReachability(units, false);
    EXPECT_EQ(r.moved, 1u);
    EXPECT_TRUE(r.unreachable.empty());
    EXPECT_EQ(slotsOf(units), (std::vector<std::string>{"aa", "ax", "xbox", "bob", "Bond"}));
    EXPECT_TRUE(findUnreachable(slotsOf(units), false).empty());
}

TEST(MkdictOrdering, UnreachableHeadwordsAreLeftOutOrGetALetter) {
    std::vector<Unit> units{{"aa"}, {cp("Čech")}, {cp("Čína")}};
    std::vector<Unit> copy = units;
    ArrangeResult r = arrangeForReachability(copy, false);
    EXPECT_EQ(r.unreachable.size(), 2u);
    EXPECT_EQ(slotsOf(copy), (std::vector<std::string>{"aa"}));

    r = arrangeForReachability(units, false, [](unsigned char b, Unit& made) {
        made = Unit{std::string(1, static_cast<char>(b))};
        return true;
    });
    ASSERT_EQ(r.added.size(), 1u);
    EXPECT_TRUE(r.unreachable.empty());
    EXPECT_TRUE(findUnreachable(slotsOf(units), false).empty());
}

TEST(MkdictOrdering, PinnedStartSlotOfA) {
    // In "Čj->Nj" the loader sets the start slot of 'a' to 1, so slot 0 holds no a-word.
    std::vector<Unit> units{{"a"}, {"ab"}, {"i"}, {"ib"}};
    ASSERT_FALSE(findUnreachable(slotsOf(units), true).empty());
    arrangeForReachability(units, true);
    EXPECT_EQ(units[0].head, "i");
    EXPECT_TRUE(findUnreachable(slotsOf(units), true).empty());
}

TEST(MkdictRecords, RecordLimitsAndGermanArticleMeanings) {
    Headword h{"x", {}};
    for (int i = 0; i < 300; ++i) h.senses.push_back(sense("word" + std::to_string(i)));
    Report report;
    SetRules rules;
    std::vector<std::string> record = buildRecord(h, rules, report);
    size_t bytes = record.size() - 1;
    for (const auto& m : record) bytes += m.size();
    EXPECT_LE(record.size(), kMaxMeaningsPerRecord);
    EXPECT_LE(bytes, kMaxRecordBytes);
    EXPECT_EQ(report.get("meanings dropped: record full (200 meanings or 999 bytes)"),
              300 - record.size());

    Sense dog = sense("Hund");
    dog.targetGender = Gender::kMasculine;
    rules.germanMeanings = true;
    record = buildRecord(Headword{"pes", {dog, sense("Köter")}}, rules, report);
    EXPECT_EQ(record, (std::vector<std::string>{"Hund der", "Hund", cp("Köter")}));
    EXPECT_EQ(joinGermanArticles(record), (std::vector<std::string>{"der Hund", cp("Köter")}));
}

SetOptions optionsFor(const TempProgramDir& dir, const char* stem, const char* title,
                      const char* direction, const char* locale) {
    return SetOptions{dir.path(), stem, title, direction, "  Slovo:  ", locale, "letter"};
}

TEST(MkdictCompile, SetReadsBackThroughTheLoaderInCollationOrder) {
    TempProgramDir dir;
    Lexicon lexicon;
    lexicon.add("čaj", sense("tea"));
    lexicon.add("chata", sense("cottage"));
    lexicon.add("cukr", sense("sugar"));
    lexicon.add("cukr", sense("sugar\u2010lump"));
    lexicon.add("hrad", sense("castle"));
    lexicon.add("dům", sense("house"));
    lexicon.add("dům", sense("home"));
    lexicon.add("velmi dlouhé české heslo", sense("too long"));
    Report report;
    ASSERT_TRUE(succeeded(compileSet(
        lexicon, optionsFor(dir, "czeang", "Česko-anglický slovník", "Čj->Aj", "cs"), report)));
    LoadedSet set;
    ASSERT_TRUE(succeeded(readSetBack(dir.path(), "czeang", set)));
    // Czech collation: c < č < d < h < ch. No headword has c, č or d as its second
    // byte, so one-letter headwords open their start slots; only "chata" has 'h' as
    // its second byte, so it moves in front of "hrad".
    EXPECT_EQ(set.headwords, (std::vector<std::string>{"c", "cukr", cp("č"), cp("čaj"), "d",
                                                       cp("dům"), "chata", "hrad"}));
    EXPECT_EQ(report.unitsMoved, 1u);
    EXPECT_EQ(set.entries[0], (std::vector<std::string>{"letter c"}));
    EXPECT_EQ(set.entryRecords, set.headwords.size() + 1);  // the extra leading record
    EXPECT_EQ(report.get("headwords dropped: longer than 21 bytes"), 1u);
    for (size_t s = 0; s < set.headwords.size(); ++s) {
        const int32_t start = set.startIndex[static_cast<unsigned char>(set.headwords[s][0])];
        EXPECT_TRUE(start != -1 && static_cast<size_t>(start) <= s) << set.headwords[s];
        if (set.headwords[s] == cp("dům")) {
            EXPECT_EQ(set.entries[s], (std::vector<std::string>{"house", "home"}));
        }
        if (set.headwords[s] == "cukr") {
            EXPECT_EQ(set.entries[s], (std::vector<std::string>{"sugar", "sugar-lump"}));
        }
    }
}

TEST(MkdictCompile, GermanHeadwordsAreFollowedByTheirArticleForm) {
    TempProgramDir dir;
    Lexicon lexicon;
    Sense house = sense("dům");
    house.gender = Gender::kNeuter;
    lexicon.add("Haus", house);
    lexicon.add("Hausarzt", sense("praktik"));
    lexicon.add("aal", sense("úhoř"));
    lexicon.add("ahoj", sense("ahoj"));
    Report report;
    ASSERT_TRUE(succeeded(compileSet(
        lexicon, optionsFor(dir, "nemcze", "Německo-český slovník", "Nj->Čj", "de"), report)));
    LoadedSet set;
    ASSERT_TRUE(succeeded(readSetBack(dir.path(), "nemcze", set)));
    auto it = std::find(set.headwords.begin(), set.headwords.end(), "Haus");
    ASSERT_NE(it, set.headwords.end());
    ASSERT_NE(it + 1, set.headwords.end());
    EXPECT_EQ(*(it + 1), "Haus das");
    const size_t s = static_cast<size_t>(it - set.headwords.begin());
    EXPECT_EQ(set.entries[s], set.entries[s + 1]);
    EXPECT_EQ(report.headwordsWritten, 4u);
    EXPECT_EQ(report.slotsWritten, 5u);
}

}  // namespace
}  // namespace lexavo::mkdict
