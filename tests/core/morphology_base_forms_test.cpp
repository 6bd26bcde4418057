// Base forms from Debian's Hunspell dictionaries and the committed tables of
// irregular forms, as the program uses them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "morphology/hunspell_base_forms.h"
#include "morphology/irregular_forms.h"
#include "support/test_dictionaries.h"
#include "text/cp1250.h"

namespace lexavo {
namespace {

using testing::cp;

class HunspellForms : public ::testing::Test {
  protected:
    // The forms as UTF-8, for readable expectations.
    std::vector<std::string> of(WordLanguage language, const char* utf8) {
        std::vector<std::string> out = forms.baseForms(language, cp(utf8));
        for (std::string& f : out) f = cp1250ToUtf8(f);
        return out;
    }
    // Whether want comes among the forms, and before every form in after.
    static bool firstOf(const std::vector<std::string>& got, const std::string& want,
                        const std::vector<std::string>& after = {}) {
        const auto at = std::find(got.begin(), got.end(), want);
        if (at == got.end()) return false;
        for (const std::string& a : after) {
            const auto other = std::find(got.begin(), got.end(), a);
            if (other != got.end() && other < at) return false;
        }
        return true;
    }
    HunspellBaseForms forms{hunspellFolders("/nonexistent")};
};

TEST_F(HunspellForms, ReducesRegularAndIrregularFormsOfAllThreeLanguages) {
    for (WordLanguage l : {WordLanguage::kCzech, WordLanguage::kGerman, WordLanguage::kEnglish})
        ASSERT_TRUE(forms.hasSpellingDictionary(l)) << "install hunspell-cs, -de-de, -en-us";
    // Regular forms through the spelling dictionary.
    EXPECT_TRUE(firstOf(of(WordLanguage::kCzech, "obchodě"), "obchod"));
    EXPECT_TRUE(firstOf(of(WordLanguage::kCzech, "mluvili"), "mluvit"));
    EXPECT_TRUE(firstOf(of(WordLanguage::kGerman, "kauften"), "kaufen"));
    EXPECT_TRUE(firstOf(of(WordLanguage::kEnglish, "dogs"), "dog"));
    // Irregular forms through the tables, also at the start of a sentence.
    EXPECT_EQ(of(WordLanguage::kCzech, "psa").front(), "pes");
    EXPECT_EQ(of(WordLanguage::kCzech, "Psa").front(), "pes");
    EXPECT_EQ(of(WordLanguage::kCzech, "dětmi").front(), "děti");
    EXPECT_EQ(of(WordLanguage::kGerman, "ging").front(), "gehen");
    EXPECT_EQ(of(WordLanguage::kGerman, "war").front(), "sein");
    EXPECT_EQ(of(WordLanguage::kGerman, "Männer").front(), "Mann");
    EXPECT_EQ(of(WordLanguage::kEnglish, "children").front(), "child");
    EXPECT_EQ(of(WordLanguage::kEnglish, "went").front(), "go");
    // A stem the speller stops at is carried on by the table: chtěla -> chtěl -> chtít.
    EXPECT_TRUE(firstOf(of(WordLanguage::kCzech, "chtěla"), "chtít", {"chtěl"}));
    // Stems that begin as the word does come first: "neděli" is Sunday's form before
    // it is a negated "děl".
    EXPECT_EQ(of(WordLanguage::kCzech, "neděli").front(), "neděle");
    // A Czech verb is followed by its reflexive headwords.
    EXPECT_TRUE(firstOf(of(WordLanguage::kCzech, "zeptala"), "zeptat se"));
    // A German noun typed in small letters.
    EXPECT_TRUE(firstOf(of(WordLanguage::kGerman, "kindern"), "Kind"));
}

TEST_F(HunspellForms, NeverGivesTheWordItselfNorAnythingForAnUnknownLanguage) {
    for (const char* word : {"licensed", "dog", "xqzv"}) {
        const auto got = of(WordLanguage::kEnglish, word);
        EXPECT_EQ(std::count(got.begin(), got.end(), std::string(word)), 0) << word;
    }
    EXPECT_TRUE(of(WordLanguage::kEnglish, "xqzv").empty());
    EXPECT_TRUE(of(WordLanguage::kNone, "dogs").empty());
    EXPECT_TRUE(of(WordLanguage::kEnglish, "").empty());
    // Asked again, the same forms (from the cache).
    EXPECT_EQ(of(WordLanguage::kCzech, "obchodě"), of(WordLanguage::kCzech, "obchodě"));
}

TEST(HunspellBaseForms, PreparedInTheBackgroundGivesTheSameForms) {
    HunspellBaseForms plain{hunspellFolders("/nonexistent")};
    HunspellBaseForms prepared{hunspellFolders("/nonexistent")};
    prepared.prepare(WordLanguage::kCzech);
    prepared.prepare(WordLanguage::kCzech);  // a second start is none
    for (const char* word : {"obchodě", "psa", "zeptala"}) {
        EXPECT_EQ(prepared.baseForms(WordLanguage::kCzech, cp(word)),
                  plain.baseForms(WordLanguage::kCzech, cp(word)))
            << word;
    }
    EXPECT_TRUE(prepared.hasSpellingDictionary(WordLanguage::kCzech));
    prepared.prepare(WordLanguage::kNone);  // no such language: nothing to start
    // Gone while a load still runs: the load is waited for, nothing is left behind.
    HunspellBaseForms{hunspellFolders("/nonexistent")}.prepare(WordLanguage::kGerman);
}

TEST(HunspellBaseForms, WithoutSpellingDictionariesTheTablesStillServe) {
    testing::TempProgramDir empty;
    HunspellBaseForms forms({empty.path()});
    EXPECT_FALSE(forms.hasSpellingDictionary(WordLanguage::kGerman));
    std::vector<std::string> out = forms.baseForms(WordLanguage::kGerman, "ging");
    EXPECT_EQ(out, std::vector<std::string>{"gehen"});
    out = forms.baseForms(WordLanguage::kGerman, "kauften");
    EXPECT_TRUE(out.empty());
    // A spelling dictionary that is not a regular file is not used.
    empty.writeFile("en_US.dic", "");
    ASSERT_EQ(::mkfifo(empty.file("en_US.aff").c_str(), 0600), 0);
    HunspellBaseForms withFifo({empty.path()});
    EXPECT_FALSE(withFifo.hasSpellingDictionary(WordLanguage::kEnglish));
    // Nor one larger than any real one (a sparse file of 64 MB and a byte).
    empty.writeFile("cs_CZ.aff", "SET UTF-8\n");
    empty.writeFile("cs_CZ.dic", "1\npes\n");
    ASSERT_EQ(::truncate(empty.file("cs_CZ.dic").c_str(), (64ll << 20) + 1), 0);
    HunspellBaseForms withHuge({empty.path()});
    EXPECT_FALSE(withHuge.hasSpellingDictionary(WordLanguage::kCzech));
}

TEST(IrregularForms, ReadsWellFormedLinesInOrderAndSkipsTheRest) {
    IrregularForms table;
    table.read(
        "# comment\n"
        "psa\tpes\r\n"
        "ti\tty\n"
        "ti\tten\n"
        "ti\tty\n"
        "bad line\n"
        "a\tb\tc\n"
        "\tpes\n"
        "same\tsame\n"
        "\xe2\x82\xac\tmoney\n"  // the euro sign is in code page 1250
        "\xe4\xb8\xad\tzhong\n"  // a Chinese letter is not
        "dětmi\tděti");
    EXPECT_EQ(*table.find("psa"), std::vector<std::string>{"pes"});
    EXPECT_EQ(*table.find("ti"), (std::vector<std::string>{"ty", "ten"}));
    EXPECT_EQ(*table.find(cp("dětmi")), std::vector<std::string>{cp("děti")});
    EXPECT_EQ(*table.find("\x80"), std::vector<std::string>{"money"});
    EXPECT_EQ(table.find("same"), nullptr);
    EXPECT_EQ(table.find("bad line"), nullptr);
    EXPECT_EQ(table.size(), 4u);
}

TEST(IrregularForms, EveryLineOfTheCommittedTablesIsRead) {
    for (const char* code : {"cs", "de", "en"}) {
        const std::string_view text = irregularFormsTable(code);
        size_t lines = 0;
        IrregularForms table;
        table.read(text);
        for (size_t at = 0; at < text.size();) {
            const size_t end = std::min(text.find('\n', at), text.size());
            const std::string_view line = text.substr(at, end - at);
            if (!line.empty() && line[0] != '#') {
                ++lines;
                const std::string form = utf8ToCp1250(line.substr(0, line.find('\t')));
                const auto* bases = table.find(form);
                ASSERT_NE(bases, nullptr) << code << ": " << line;
            }
            at = end + 1;
        }
        EXPECT_GT(lines, 100u) << code;
    }
    EXPECT_TRUE(irregularFormsTable("fr").empty());
}

}  // namespace
}  // namespace lexavo
