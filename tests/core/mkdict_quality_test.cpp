// The compiler's rules for the content of the sets, on small inputs: glossary lines,
// phrase pivots, commonness from the word tables, genders of pivoted nouns, article
// pairs only for nouns, and the reviewed list.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "compile.h"
#include "dictd_reader.h"
#include "ding_reader.h"
#include "pivot.h"
#include "ranking.h"
#include "reviewed.h"
#include "score.h"
#include "support/lexicon_helpers.h"
#include "support/test_dictionaries.h"
#include "text/cp1250.h"
#include "word_tables.h"

namespace lexavo::mkdict {
namespace {

using testing::succeeded;

using lexavo::testing::cp;
using lexavo::testing::TempProgramDir;

using testing::sense;
using testing::textsOf;

// Word tables written into a temporary folder, read back through WordTable.
WordTable table(const TempProgramDir& dir, const std::string& name, const std::string& freq,
                const std::string& pos) {
    std::ofstream(dir.path() + "/" + name + ".freq") << freq;
    std::ofstream(dir.path() + "/" + name + ".pos") << pos;
    WordTable t;
    EXPECT_TRUE(succeeded(t.read(dir.path() + "/" + name)));
    return t;
}

TEST(MkdictQuality, GlossaryLinesStayWholeAndAreNeverInverted) {
    const FreedictArticle glossary = parseFreedictArticle("costs, time\n [eko] náklady, čas\n");
    ASSERT_EQ(glossary.translations.size(), 1u);
    EXPECT_EQ(glossary.translations[0].text, "[eko] náklady, čas");

    Lexicon english;
    english.add("costs, time", sense("[eko] náklady, čas"));
    english.add("time", sense("čas"));
    english.add("water; riparian rights", sense("voda"));
    const Lexicon czech = invertLexicon(english);
    EXPECT_EQ(textsOf(czech.find("čas")), (std::vector<std::string>{"time"}));
    EXPECT_EQ(czech.find("voda"), nullptr);
}

TEST(MkdictQuality, PhrasePivotsAreReducedToTheirWord) {
    DingLine line;
    ASSERT_TRUE(parseDingLine("etw. nehmen {vt} | nehmend :: to take sth. | taking", line));
    EXPECT_EQ(line.left.front().text, "nehmen");
    EXPECT_EQ(line.right.front().text, "take");
    ASSERT_TRUE(parseDingLine("jdm. etw. geben {vt} :: to give sb. sth.", line));
    EXPECT_EQ(line.left.front().text, "geben");
    EXPECT_EQ(line.right.front().text, "give");
    // A personal pronoun agrees with FreeDict's pronoun class.
    ASSERT_TRUE(
        parseDingLine("wir {ppron} {pl} (unser; uns; uns) | wir sind :: we (us)  | we are", line));
    EXPECT_EQ(line.right.front().text, "we");
    EXPECT_EQ(wordClass(line.left.front().pos), "pron");
}

TEST(MkdictQuality, CommonTranslationsOfTheHeadwordsClassComeFirst) {
    TempProgramDir dir;
    const WordTable english = table(dir, "en", "time\t900\nisland\t40\n", "island\tn\n");
    const WordTable czech = table(dir, "cs", "čas\t500\nostrov\t30\ntempo\t8\nostrovní\t35\n",
                                  "ostrov\tn\nostrovní\tadj\n");
    Lexicon lexicon;
    lexicon.add("time", sense("tempo"));
    lexicon.add("time", sense("čas"));
    lexicon.add("island", sense("ostrovní", "adj"));  // the source tags the attributive use
    lexicon.add("island", sense("ostrov"));
    rankSenses(lexicon, Confirmations{}, RankWeights{}, Evidence{&english, &czech});
    EXPECT_EQ(textsOf(lexicon.find("time")).front(), "čas");
    // "ostrovní" is as common, but an adjective for a noun.
    EXPECT_EQ(textsOf(lexicon.find("island")).front(), "ostrov");

    EXPECT_EQ(english.rank("TIME"), 1u);
    EXPECT_EQ(czech.rank("koks"), 0u);
    EXPECT_DOUBLE_EQ(czech.frequency("čas (doba)"), 500);
    EXPECT_DOUBLE_EQ(czech.frequency("čas tempo"), 8.0 / 1000);  // a phrase: far rarer
    EXPECT_DOUBLE_EQ(czech.frequency("tempo se"), 8);            // a reflexive verb
}

TEST(MkdictQuality, APivotedNounTakesTheGenderOfItsMainSense) {
    Lexicon left;
    Sense tag = sense("tag", "n");
    tag.gender = Gender::kNeuter;
    Sense day = sense("day", "n");
    day.gender = Gender::kMasculine;
    day.score = 3;  // the rich Ding line
    left.add("Tag", tag);
    left.add("Tag", day);
    Lexicon right;
    right.add("day", sense("den", "n"));
    right.add("tag", sense("štítek", "n"));
    const Lexicon pivoted = pivotLexicon(left, right);
    ASSERT_NE(pivoted.find("Tag"), nullptr);
    for (const Sense& s : pivoted.find("Tag")->senses) EXPECT_EQ(s.gender, Gender::kMasculine);
}

TEST(MkdictQuality, PivotsSkipMarkedSensesAndKeepTheLoanWord) {
    Lexicon german;
    TempProgramDir dir;
    const std::string ding = dir.path() + "/de-en";
    std::ofstream(ding) << "Schnee {m} [meteo.] | pappiger Schnee :: snow | cloggy snow\n"
                           "Kokain {n}; Schnee {m} [slang] :: cocaine; coke [coll.]; snow [slang]\n"
                           "(grobes) Leinen {f}; Leinwand {f} :: canvas\n"
                           "Golf {m}; Meerbusen {m} :: gulf\n"
                           "Golf {n}; Golfsport {m} [sport] :: golf; golfing\n";
    ASSERT_TRUE(succeeded(readDing(ding, german)));
    // The qualified noun keeps neither its gender nor a plain sense.
    ASSERT_NE(german.find("Leinen"), nullptr);
    EXPECT_EQ(german.find("Leinen")->senses.front().gender, Gender::kNone);
    EXPECT_LT(german.find("Leinen")->senses.front().score, 0);

    Lexicon english;
    english.add("snow", sense("sníh", "n"));
    english.add("snow", sense("koks", "n"));
    english.add("coke", sense("koks", "n"));
    english.add("cocaine", sense("kokain", "n"));
    english.add("gulf", sense("propast", "n"));
    english.add("gulf", sense("záliv", "n"));
    english.add("golf", sense("golf", "n"));
    mergeDuplicateSenses(german);
    const Lexicon czech = pivotLexicon(german, english);
    EXPECT_EQ(textsOf(czech.find("Schnee")), (std::vector<std::string>{"sníh"}));
    EXPECT_EQ(textsOf(czech.find("Golf")).front(), "golf");
}

TEST(MkdictQuality, ArticlePairsOnlyForNounsAndNeverFromACutEnd) {
    SetRules rules;
    rules.germanMeanings = true;
    Report report;
    Sense phrase = sense("zeitlicher Spielraum");
    phrase.targetGender = Gender::kMasculine;
    Sense cut = sense("Strickdecke mit einem der");
    Sense noun = sense("Zeit");
    noun.targetGender = Gender::kFeminine;
    const std::vector<std::string> record =
        buildRecord(Headword{"čas", {noun, phrase, cut}}, rules, report);
    EXPECT_EQ(record, (std::vector<std::string>{"Zeit die", "Zeit", "zeitlicher Spielraum",
                                                "Strickdecke mit einem"}));
    EXPECT_TRUE(isGermanNoun(cp("Übung")));
    EXPECT_FALSE(isGermanNoun("gehen"));
}

TEST(MkdictQuality, ReviewedListReordersDropsAndAddsSayingSo) {
    TempProgramDir dir;
    const std::string path = dir.path() + "/reviewed.tsv";
    std::ofstream(path) << "# comment\n"
                           "time\tčas | doba | -tempo\n"
                           "snow\tsníh | sněžení\n"
                           "wir\t+my\n"
                           "Zeit {f}\t+doba\n"
                           "čas\tdie Zeit | +der Zeitraum\n"
                           "ghost\tduch\n";
    ReviewedList list;
    ASSERT_TRUE(succeeded(list.read(path)));
    ASSERT_EQ(list.lines().size(), 6u);
    EXPECT_EQ(list.lines()[3].gender, Gender::kFeminine);

    Lexicon lexicon;
    for (const char* t : {"tempo", "epocha", "doba", "čas"}) lexicon.add("time", sense(t));
    lexicon.add("snow", sense("koks"));
    lexicon.add("snow", sense("Sníh (n)"));
    lexicon.add("Zeit", sense("čas"));
    lexicon.add("čas", sense("Weile"));
    lexicon.add("čas", sense("Zeit"));
    Report report;
    list.apply(lexicon, report);
    EXPECT_EQ(textsOf(lexicon.find("time")), (std::vector<std::string>{"čas", "doba", "epocha"}));
    EXPECT_EQ(textsOf(lexicon.find("snow")),
              (std::vector<std::string>{"Sníh (n)", "sněžení", "koks"}));
    EXPECT_EQ(textsOf(lexicon.find("wir")), (std::vector<std::string>{"my"}));
    EXPECT_EQ(textsOf(lexicon.find("Zeit")), (std::vector<std::string>{"doba", "čas"}));
    EXPECT_EQ(lexicon.find("Zeit")->senses.back().gender, Gender::kFeminine);
    EXPECT_EQ(lexicon.find("ghost"), nullptr);
    EXPECT_EQ(textsOf(lexicon.find("čas")),
              (std::vector<std::string>{"Zeit", "Zeitraum", "Weile"}));
    EXPECT_EQ(lexicon.find("čas")->senses[1].targetGender, Gender::kMasculine);
    EXPECT_EQ(report.get("reviewed: meanings dropped"), 1u);
    EXPECT_EQ(report.get("reviewed: meanings added"), 3u);
    EXPECT_EQ(report.get("reviewed: headwords added"), 1u);
    EXPECT_EQ(report.get("reviewed: meanings the compiler no longer gives, kept"), 1u);
    EXPECT_EQ(report.get("reviewed: headword not in the sources"), 1u);
}

TEST(MkdictQuality, CommonestHeadwordsAndJudgedSamplesComeFromTheWrittenSet) {
    TempProgramDir dir;
    Lexicon lexicon;
    const char* words[] = {"be", "have", "time", "house", "dog", "cat", "sun", "tree"};
    for (const char* w : words) lexicon.add(w, sense(std::string(w) + "-cs"));
    Report report;
    ASSERT_TRUE(succeeded(compileSet(lexicon,
                                     SetOptions{dir.path(), "angcze", "Anglicko-český slovník",
                                                "Aj->Čj", "  Slovo:  ", "en", "letter"},
                                     report)));
    // "tree" has no frequency, so it is never among the commonest; the letters the
    // compiler added are not headwords of the language.
    const WordTable english = table(dir, "en",
                                    "be\t9000\nhave\t8000\ntime\t900\nhouse\t300\ndog\t80\n"
                                    "cat\t70\nsun\t60\nb\t50\n",
                                    "");
    std::ostringstream top;
    ASSERT_TRUE(succeeded(listCommonest(dir.path(), "angcze", english, {3, 0, 0, 1}, top)));
    EXPECT_EQ(top.str(), "be\tbe-cs\nhave\thave-cs\ntime\ttime-cs\n");
    std::ostringstream skipped;
    ASSERT_TRUE(succeeded(listCommonest(dir.path(), "angcze", english, {4, 2, 0, 1}, skipped)));
    EXPECT_EQ(skipped.str(), "time\ttime-cs\nhouse\thouse-cs\n");
    std::ostringstream a, b, c;
    ASSERT_TRUE(succeeded(listCommonest(dir.path(), "angcze", english, {100, 0, 3, 7}, a)));
    ASSERT_TRUE(succeeded(listCommonest(dir.path(), "angcze", english, {100, 0, 3, 7}, b)));
    ASSERT_TRUE(succeeded(listCommonest(dir.path(), "angcze", english, {100, 0, 7, 7}, c)));
    EXPECT_EQ(a.str(), b.str());  // the same seed draws the same sample
    const std::string sample = a.str();
    EXPECT_EQ(std::count(sample.begin(), sample.end(), '\n'), 3);
    EXPECT_EQ(c.str().find("tree"), std::string::npos);
    EXPECT_EQ(c.str().find("\nb\t"), std::string::npos);

    const std::string judgedPath = dir.path() + "/sample.tsv";
    std::ofstream(judgedPath) << "# judged\n"
                                 "be\tbe-cs\tright\n"
                                 "dog\tdog-cs\tacceptable\n"
                                 "cat\tkočka\tright\n"  // no longer the set's first meaning
                                 "sun\tsun-cs\twrong\n";
    Judged judged;
    std::ostringstream out;
    ASSERT_TRUE(succeeded(tallyJudged(dir.path(), "angcze", judgedPath, true, out, judged)));
    EXPECT_EQ(judged.right, 1u);  // the stale verdict is not counted
    EXPECT_EQ(judged.acceptable, 1u);
    EXPECT_EQ(judged.wrong, 1u);
    EXPECT_EQ(judged.stale, 1u);
    EXPECT_NE(out.str().find("stale: cat"), std::string::npos);

    // Whole entries: every meaning with its place; a meaning judged at a place the set
    // no longer has it is stale.
    std::ofstream(judgedPath) << "be\t1\tbe-cs\twrong\n"
                                 "dog\t1\tdog-cs\tright\n"
                                 "dog\t2\tpsisko\twrong\n";
    Judged whole;
    ASSERT_TRUE(succeeded(tallyJudged(dir.path(), "angcze", judgedPath, false, out, whole)));
    EXPECT_EQ(whole.entries, 2u);
    EXPECT_EQ(whole.wrong, 1u);
    EXPECT_EQ(whole.right, 1u);
    EXPECT_EQ(whole.firstWrong, 1u);
    EXPECT_EQ(whole.stale, 1u);
}

}  // namespace
}  // namespace lexavo::mkdict
