// The compiler's rules for words past the commonest: a synonym's standing in a Ding
// line, pivots checked by the paths back from the target (inverse consultation), phrase
// pivots the pivot dictionary knows, singulars of plural-only lines, and the class a
// headword is mostly used in.
#include <gtest/gtest.h>

#include <fstream>

#include "dictd_reader.h"
#include "ding_reader.h"
#include "german_plurals.h"
#include "morphology/hunspell_base_forms.h"
#include "pivot.h"
#include "ranking.h"
#include "reviewed.h"
#include "support/lexicon_helpers.h"
#include "support/test_dictionaries.h"
#include "text_rules.h"
#include "word_tables.h"

namespace lexavo::mkdict {
namespace {

using testing::succeeded;

using lexavo::testing::TempProgramDir;

using testing::sense;
using testing::textsOf;

// A word table of the given frequency, class and major-class lines.
WordTable tableOf(const std::string& freq, const std::string& pos = {},
                  const std::string& major = {}) {
    TempProgramDir dir;
    std::ofstream(dir.path() + "/t.freq") << freq;
    if (!pos.empty()) std::ofstream(dir.path() + "/t.pos") << pos;
    if (!major.empty()) std::ofstream(dir.path() + "/t.major") << major;
    WordTable table;
    EXPECT_TRUE(succeeded(table.read(dir.path() + "/t")));
    return table;
}

Lexicon readDingText(const std::string& text) {
    TempProgramDir dir;
    const std::string path = dir.path() + "/de-en";
    std::ofstream(path) << text;
    Lexicon lexicon;
    EXPECT_TRUE(succeeded(readDing(path, lexicon)));
    mergeDuplicateSenses(lexicon);
    return lexicon;
}

TEST(MkdictDepth, ALaterSynonymGetsNoCreditForTheLinesRichness) {
    const Lexicon german = readDingText(
        "Gurke {f} | Gurken {pl} | Salatgurke {f} :: cucumber | cucumbers | slicing cucumber\n"
        "Riechkolben {m}; Gurke {f}; Zinken {m} [ugs.] | Riechkolben {pl} | a | b :: "
        "beak; snoot; conk | beaks | a | b\n");
    ASSERT_NE(german.find("Gurke"), nullptr);
    for (const Sense& s : german.find("Gurke")->senses) {
        if (s.text == "cucumber") {
            EXPECT_GT(s.score, 1.0);
        } else if (s.text == "beak") {
            EXPECT_EQ(s.score, 0.0);
        }
    }
    EXPECT_GT(german.find("Riechkolben")->senses.front().score, 1.0);
}

TEST(MkdictDepth, APivotTargetNeedsASecondPathBackUnlessItTopsTheMainPivot) {
    Lexicon german;
    german.add("Streichholz", sense("match", "n"));
    german.add("Streichholz", sense("matchstick", "n"));
    german.add("Schere", sense("scissors", "n"));
    german.add("Schere", sense("gap", "n"));
    german.add("Kita", sense("Day nursery", "n"));
    Lexicon english;
    for (const char* t : {"zápas", "sirka", "shoda", "zápalka"})
        english.add("match", sense(t, "n"));
    english.add("matchstick", sense("sirka", "n"));
    english.add("scissors", sense("nůžky", "n"));
    english.add("gap", sense("propast", "n"));
    english.add("day nursery", sense("jesle", "n"));
    Lexicon czech;  // Czech -> English, the other way round
    czech.add("zápalka", sense("matchstick"));

    const BackTranslations back(english, &czech);
    const Lexicon pivoted = pivotLexicon(german, english, PivotRules{}, {}, {}, &back);
    // "zápas" tops "match", the main pivot; "zápalka" and "sirka" lead back through both
    // words; "shoda", third of "match", has that one path and goes.
    const std::vector<std::string> streichholz = textsOf(pivoted.find("Streichholz"));
    EXPECT_EQ(std::count(streichholz.begin(), streichholz.end(), "shoda"), 0);
    EXPECT_EQ(std::count(streichholz.begin(), streichholz.end(), "zápalka"), 1);
    EXPECT_EQ(streichholz.front(), "sirka");
    // The second pivot's only target, with no path back through another word, goes.
    EXPECT_EQ(textsOf(pivoted.find("Schere")), (std::vector<std::string>{"nůžky"}));
    // A phrase the pivot dictionary has as a headword pivots, in small letters too.
    EXPECT_EQ(textsOf(pivoted.find("Kita")), (std::vector<std::string>{"jesle"}));
}

TEST(MkdictDepth, APluralOnlyLineGivesItsSingularAHeadword) {
    HunspellBaseForms spelling(hunspellFolders(std::string()));
    if (!spelling.hasSpellingDictionary(WordLanguage::kGerman) ||
        !spelling.hasSpellingDictionary(WordLanguage::kEnglish))
        GTEST_SKIP() << "Debian's hunspell-de-de and hunspell-en-us are not installed";
    Lexicon german = readDingText(
        "Eichen {n} (eines Messgeräts) :: calibration\n"
        "Eichenbäume {pl}; Eichen {pl} (Quercus) [bot.] :: oak trees; oaks\n"
        "Hunde {pl} :: dogs\nHund {m} :: dog\n");
    addSingulars(german, spelling);
    // Each English plural both made singular and as it stands ("printing works").
    EXPECT_EQ(textsOf(german.find("Eiche")),
              (std::vector<std::string>{"oak tree", "oak trees", "oak", "oaks"}));
    EXPECT_EQ(german.find("Eiche")->senses.front().gender, Gender::kNone);
    // The plural stays, pivoting through the English singulars: "screams" is as often
    // a verb's form.
    EXPECT_EQ(textsOf(german.find("Eichen")),
              (std::vector<std::string>{"calibration", "oak tree", "oak"}));
    // A singular with senses of its own keeps them first.
    ASSERT_NE(german.find("Hund"), nullptr);
    EXPECT_EQ(german.find("Hund")->senses.front().gender, Gender::kMasculine);
    EXPECT_EQ(germanSingular(spelling, "Absperrungen"), "Absperrung");
    EXPECT_EQ(germanSingular(spelling, "Pendlerinnen"), "Pendlerin");
    // The same in both numbers, not split as compounds: "F" + "Lieder", "Fragez" + "Eichen".
    EXPECT_EQ(germanSingular(spelling, "Flieder"), "");
    EXPECT_EQ(germanSingular(spelling, "Fragezeichen"), "");
    EXPECT_EQ(germanSingular(spelling, "Waschbecken"), "");
    // English plurals: a word in its own right stays, "-ies" is "-y", and a stem must be
    // one the plural begins with.
    Lexicon plurals = readDingText(
        "Hosen {pl} :: trousers\nErdbeeren {pl} :: strawberries\nFreigaben {pl} :: releases\n");
    addSingulars(plurals, spelling);
    EXPECT_EQ(textsOf(plurals.find("Hosen")), (std::vector<std::string>{"trousers"}));
    EXPECT_EQ(textsOf(plurals.find("Erdbeeren")), (std::vector<std::string>{"strawberry"}));
    // Hunspell's only stem of "releases" is "lease", which it does not begin with.
    EXPECT_EQ(textsOf(plurals.find("Freigaben")), (std::vector<std::string>{"releases"}));

    // After the pivot, a singular with no meanings of its own takes the plural's.
    Lexicon pivoted;
    pivoted.entry("Setzlinge").pluralOnly = true;
    pivoted.add("Setzlinge", sense("sazenice", "n"));
    pivoted.entry("Setzling");
    fillSingulars(pivoted, spelling);
    EXPECT_EQ(textsOf(pivoted.find("Setzling")), (std::vector<std::string>{"sazenice"}));
}

TEST(MkdictDepth, TheClassAHeadwordIsMostlyUsedInLeads) {
    const WordTable english = tableOf("jam\t20\n", "jam\tn,v\n", "# comment\njam\tn\n");
    EXPECT_EQ(english.majorClass("Jam"), 'n');
    EXPECT_EQ(english.majorClass("dog"), 0);

    Lexicon lexicon;
    for (const char* verb : {"ucpat", "zablokovat", "namačkat"})
        lexicon.add("jam", sense(verb, "v"));
    lexicon.add("jam", sense("džem", "n"));
    rankSenses(lexicon, {}, {}, Evidence{&english, nullptr});
    EXPECT_EQ(textsOf(lexicon.find("jam")).front(), "džem");
    // Without the table the senses' own majority (three verbs) decides.
    rankSenses(lexicon, {}, {}, Evidence{});
    EXPECT_NE(textsOf(lexicon.find("jam")).front(), "džem");
}

TEST(MkdictDepth, InversionTakesNoPluralAndNoTranslationOfAnotherClass) {
    const WordTable czech = tableOf("ničit\t20\nnůžky\t5\n", "ničit\tv\nnůžky\tn\n");

    Lexicon german;
    german.add("zerstören", sense("ničit", "v"));
    german.add("Pinkeln", sense("ničit", "n"));
    german.add("Schere", sense("nůžky", "n"));
    const FreedictArticle plural =
        parseFreedictArticle("Begrenzerschaltungen /x/ <pl>\nclippers\n");
    EXPECT_TRUE(plural.plural);
    german.entry("Begrenzerschaltungen").pluralOnly = true;
    german.add("Begrenzerschaltungen", sense("nůžky", "n"));
    const Lexicon inverted = invertLexicon(german, InvertRules{3, true}, Evidence{&czech, nullptr});
    EXPECT_EQ(textsOf(inverted.find("ničit")), (std::vector<std::string>{"zerstören"}));
    EXPECT_EQ(textsOf(inverted.find("nůžky")), (std::vector<std::string>{"Schere"}));
}

TEST(MkdictDepth, ASingularTakesTheGenderItsCompoundsAgreeOn) {
    HunspellBaseForms spelling(hunspellFolders(std::string()));
    if (!spelling.hasSpellingDictionary(WordLanguage::kGerman))
        GTEST_SKIP() << "Debian's hunspell-de-de is not installed";
    Lexicon german = readDingText(
        "Korkeiche {f} :: cork oak\nSteineiche {f} :: holm oak\n"
        "Eichen {pl} (Quercus) :: oaks\n"
        "Hochbeete {pl} :: raised beds\nGemüsebeet {n} :: vegetable bed\n");
    addSingulars(german, spelling);
    ASSERT_NE(german.find("Eiche"), nullptr);
    EXPECT_EQ(german.find("Eiche")->senses.front().gender, Gender::kFeminine);
    // One compound is no vote.
    ASSERT_NE(german.find("Hochbeet"), nullptr);
    EXPECT_EQ(german.find("Hochbeet")->senses.front().gender, Gender::kNone);
}

TEST(MkdictDepth, ALabelIsTakenOnlyOffTheFront) {
    EXPECT_EQ(withoutLeadingLabel("[mat] hladký"), "hladký");
    EXPECT_EQ(withoutLeadingLabel("matice ((šroubu))"), "matice ((šroubu))");
    EXPECT_EQ(withoutLeadingLabel("[tech]"), "[tech]");
}

// Object placeholders go, except where a German preposition stands before its object;
// the English side keeps its trailing preposition ("pay attention to").
struct PlaceholderCase {
    const char* line;
    const char* german;
    const char* english;
};

void PrintTo(const PlaceholderCase& c, std::ostream* os) { *os << c.line; }

class MkdictDingPlaceholders : public ::testing::TestWithParam<PlaceholderCase> {};

TEST_P(MkdictDingPlaceholders, LeaveEveryPrepositionItsObject) {
    DingLine line;
    ASSERT_TRUE(parseDingLine(GetParam().line, line));
    EXPECT_EQ(line.left.front().text, GetParam().german);
    EXPECT_EQ(line.right.front().text, GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MkdictDingPlaceholders,
    ::testing::Values(PlaceholderCase{"etw. nehmen {vt} :: to take sth.", "nehmen", "take"},
                      PlaceholderCase{"auf etw. achten {vi} :: to pay attention to sth.",
                                      "auf etw. achten", "pay attention to"},
                      PlaceholderCase{"sich gegen jdn. stellen {vr} :: to oppose sb.",
                                      "sich gegen jdn. stellen", "oppose"},
                      PlaceholderCase{"jdn. als etw. betrachten {vt} :: to regard sb. as sth.",
                                      "als etw. betrachten", "regard as"},
                      PlaceholderCase{"jdm. etw. präsentieren {vt} :: to pitch sth. to sb.",
                                      "präsentieren", "pitch to"},
                      PlaceholderCase{
                          "sich (insgesamt) auf etw. belaufen {vi} :: to amount to sth.",
                          "sich auf etw. belaufen", "amount to"},
                      // A preposition's own line: nothing follows the placeholder.
                      PlaceholderCase{"für jdn./etw. {prp; +Akk.} :: for sb./sth.", "für", "for"}));

// A verb phrase is looked up by its verb only where the words before it stand for the
// verb's object; an idiom keeps its own words.
class MkdictBareGermanVerb : public ::testing::TestWithParam<std::pair<const char*, const char*>> {
};

TEST_P(MkdictBareGermanVerb, IsThePhrasesVerbOnlyWhereTheRestIsItsObject) {
    EXPECT_EQ(bareGermanVerb(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Phrases, MkdictBareGermanVerb,
                         ::testing::Values(std::pair{"sich erholen", "erholen"},
                                           std::pair{"gegen etw. impfen", "impfen"},
                                           std::pair{"ein Tier melken", "melken"},
                                           std::pair{"sich auf etw. belaufen", "belaufen"},
                                           std::pair{"einer Sache angehören", "angehören"},
                                           std::pair{"in die Kerbe fügen", ""},
                                           std::pair{"für Unruhe sorgen", ""},
                                           std::pair{"am meisten", ""},
                                           std::pair{"Zelte abbrechen/verlassen", ""},
                                           std::pair{"erholen", ""}));

TEST(MkdictDepth, AVerbOnlyInPhrasesIsAHeadwordButNoMeaningOfAnotherWord) {
    Lexicon german = readDingText(
        "sich erholen {vr} | erholt :: to recover | recovered\n"
        "ein Tier melken {vt} | melkend :: to milk an animal | milking\n"
        "sich freuen {vr} :: to be glad\nfreuen {vt} :: to please\n");
    EXPECT_EQ(textsOf(german.find("erholen")), (std::vector<std::string>{"recover"}));
    EXPECT_EQ(textsOf(german.find("melken")), (std::vector<std::string>{"milk"}));
    EXPECT_EQ(textsOf(german.find("sich erholen")), (std::vector<std::string>{"recover"}));
    // Its own line read first or later, the bare verb keeps only its own senses.
    german.add("erholen", sense("relax", "v"));
    keepOwnSensesOfPhraseVerbs(german);
    EXPECT_EQ(textsOf(german.find("erholen")), (std::vector<std::string>{"relax"}));
    EXPECT_EQ(textsOf(german.find("freuen")), (std::vector<std::string>{"please"}));
    // Inverted, "recover" is "sich erholen", and "milk" no "melken".
    const Lexicon inverted = invertLexicon(german);
    EXPECT_EQ(textsOf(inverted.find("recover")), (std::vector<std::string>{"sich erholen"}));
    EXPECT_EQ(inverted.find("milk"), nullptr);
    // Pivoted, the verb translates a Czech word only where a reviewer let the sense stand.
    Lexicon pivoted;
    pivoted.entry("melken").phraseOnly = true;
    Sense reviewed = sense("dojit", "v");
    reviewed.reviewed = true;
    pivoted.add("melken", reviewed);
    pivoted.add("melken", sense("podojit", "v"));
    const Lexicon czech = invertLexicon(pivoted);
    EXPECT_EQ(textsOf(czech.find("dojit")), (std::vector<std::string>{"melken"}));
    EXPECT_EQ(czech.find("podojit"), nullptr);
}

TEST(MkdictDepth, ACzechVerbsGermanMeaningsAreInfinitives) {
    HunspellBaseForms spelling(hunspellFolders(std::string()));
    if (!spelling.hasSpellingDictionary(WordLanguage::kGerman))
        GTEST_SKIP() << "Debian's hunspell-de-de is not installed";
    // The table takes numerals ending in "-át" for verbs, as the real one does.
    const WordTable czech =
        tableOf("ošetřovat\t5\npadesát\t5\n", "ošetřovat\tv\npadesát\tv\nfit\tadj\n");

    Lexicon lexicon;
    for (const auto& [text, pos] :
         std::vector<std::pair<const char*, const char*>>{{"pflegte", "v"},
                                                          {"Pflege", "n"},
                                                          {"pflegen", "v"},
                                                          {"trennte ab", "v"},
                                                          {"winken mit", "v"},
                                                          {"hegen", ""}})
        lexicon.add("ošetřovat", sense(text, pos));
    lexicon.add("padesát", sense("fünfzig", "num"));
    lexicon.add("fit", sense("fit", ""));
    keepGermanInfinitives(lexicon, spelling, &czech);
    // The past form gives way to its infinitive at its place, which the later one then
    // repeats; a phrase of forms goes; a trailing preposition is no verb form.
    EXPECT_EQ(textsOf(lexicon.find("ošetřovat")),
              (std::vector<std::string>{"pflegen", "Pflege", "winken mit", "hegen"}));
    EXPECT_EQ(textsOf(lexicon.find("padesát")), (std::vector<std::string>{"fünfzig"}));
    EXPECT_EQ(textsOf(lexicon.find("fit")), (std::vector<std::string>{"fit"}));
    EXPECT_TRUE(endsInGermanInfinitive("weiter gehen als"));
    EXPECT_FALSE(endsInGermanInfinitive("den Tisch gedeckt"));
}

TEST(MkdictDepth, BehindTheFirstMeaningOnlyConfirmedOnesStay) {
    TempProgramDir dir;
    std::ofstream(dir.path() + "/reviewed.tsv") << "vypínač\tder Lichtschalter\n";
    ReviewedList review;
    ASSERT_TRUE(succeeded(review.read(dir.path() + "/reviewed.tsv")));

    Lexicon german;
    german.add("Schalter", sense("vypínač", "n"));
    german.add("Knebelknopf", sense("vypínač", "n"));
    german.add("Lichtschalter", sense("vypínač", "n"));
    german.add("Kippschalter", sense("vypínač", "n"));
    german.headwords()[0].senses[0].support = 3;  // several pivots reach it
    Report report;
    // The review's line is the Czech headword's, as in the inverted direction.
    Lexicon inverted = invertLexicon(german, InvertRules{3, true}, Evidence{});
    review.apply(inverted, report);
    keepConfirmedMeanings(inverted);
    const std::vector<std::string> kept = textsOf(inverted.find("vypínač"));
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.front(), "Lichtschalter");
    EXPECT_EQ(kept, (std::vector<std::string>{"Lichtschalter", "Schalter"}));

    // A headword with no confirmed meaning keeps its first three.
    Lexicon alone;
    alone.add("kvitovat", sense("quittieren", "v"));
    alone.add("kvitovat", sense("zugeben", "v"));
    for (const char* german :
         {"die Nachbereitung", "die Folgemaßnahme", "die Weiterverfolgung", "weiteres Vorgehen"})
        alone.add("navázání", sense(german, "n"));
    keepConfirmedMeanings(alone);
    EXPECT_EQ(textsOf(alone.find("kvitovat")).size(), 2u);
    EXPECT_EQ(textsOf(alone.find("navázání")).size(), 3u);
}

TEST(MkdictDepth, BehindTheFirstMeaningOnlyWordsMetInRealTextStay) {
    const WordTable english = tableOf("wonderful\t50\ngreat\t90\namazing\t30\n");
    Lexicon czech;
    czech.add("úžasný", sense("wondrous", "adj"));  // first: stays whatever it is
    czech.add("úžasný", sense("wonderful", "adj"));
    czech.add("úžasný", sense("copacetic", "adj"));
    Sense reviewed = sense("prodigious", "adj");
    reviewed.reviewed = true;
    czech.add("úžasný", reviewed);
    czech.add("úžasný", sense("great", "adj"));
    keepKnownWordsBehindTheFirst(czech, english);
    EXPECT_EQ(textsOf(czech.find("úžasný")),
              (std::vector<std::string>{"wondrous", "wonderful", "prodigious", "great"}));
}

}  // namespace
}  // namespace lexavo::mkdict
