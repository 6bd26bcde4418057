// The bundled sets held against their sources: a German noun the sources give only as
// a plural has its singular as a headword too, no meaning is a source's phrase cut
// short, and a Czech verb's German meanings are no past forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "compile.h"
#include "dictd_reader.h"
#include "ding_reader.h"
#include "german_plurals.h"
#include "morphology/hunspell_base_forms.h"
#include "ranking.h"
#include "set_reader.h"
#include "support/lexicon_helpers.h"
#include "text/cp1250.h"
#include "text_rules.h"
#include "word_tables.h"

namespace lexavo::mkdict {
namespace {

using testing::succeeded;

std::set<std::string> headwordsOf(const char* stem) {
    LoadedSet set;
    EXPECT_TRUE(succeeded(readSetBack(LEXAVO_PROGRAM_DIR, stem, set)));
    std::set<std::string> heads;
    for (const std::string& h : set.headwords) heads.insert(cp1250ToUtf8(h));
    return heads;
}

Lexicon readFreedict(const std::string& base) {
    std::vector<DictdArticle> articles;
    EXPECT_TRUE(succeeded(readDictd(base, articles)));
    Lexicon lexicon;
    addFreedictArticles(articles, lexicon);
    return lexicon;
}

TEST(MkdictSources, EveryPluralOnlyNounHasItsSingular) {
    HunspellBaseForms spelling(hunspellFolders(std::string()));
    if (!spelling.hasSpellingDictionary(WordLanguage::kGerman))
        GTEST_SKIP() << "Debian's hunspell-de-de is not installed";
    Lexicon german = readFreedict(LEXAVO_FREEDICT_DIR "/freedict-deu-eng");
    ASSERT_TRUE(succeeded(readDing(LEXAVO_DING_DE_EN, german)));
    const std::set<std::string> heads = headwordsOf("nemcze");
    size_t plurals = 0, missing = 0;
    std::string examples;
    for (const Headword& h : german.headwords()) {
        const bool pluralOnly =
            std::all_of(h.senses.begin(), h.senses.end(), [](const Sense& s) { return s.plural; });
        if (h.senses.empty() || !pluralOnly || !heads.count(h.text)) continue;
        const std::string singular = germanSingular(spelling, h.text);
        if (singular.empty()) continue;
        ++plurals;
        if (!heads.count(singular) && ++missing <= 10)
            examples += h.text + " -> " + singular + "; ";
    }
    EXPECT_GT(plurals, 1000u);
    EXPECT_EQ(missing, 0u) << examples;
}

// The meanings of a set that a longer source phrase begins with, a blank after them, while
// no source gives them as they stand: cut in the middle of that phrase. Short ones are
// words in their own right ("padající", of "padající hvězda"); a cut falls near the
// 49-byte limit.
constexpr size_t kCutLength = 30;
size_t cutPhrases(const char* stem, const std::set<std::string>& sources, std::string& examples) {
    LoadedSet set;
    EXPECT_TRUE(succeeded(readSetBack(LEXAVO_PROGRAM_DIR, stem, set)));
    size_t cut = 0;
    for (const auto& meanings : set.entries) {
        for (const std::string& cp : meanings) {
            const std::string m = withoutNotes(cp1250ToUtf8(cp));
            if (m.size() < kCutLength || sources.count(m)) continue;
            auto after = sources.lower_bound(m + " ");
            if (after == sources.end() || !after->starts_with(m + " ")) continue;
            if (++cut <= 200) examples += m + "\n";
        }
    }
    return cut;
}

TEST(MkdictSources, NoMeaningIsAPhraseCutShort) {
    // Czech meanings come from English-Czech's translations, German ones from the
    // German words of Ding and FreeDict German-English.
    std::set<std::string> czech;
    const Lexicon englishCzech = readFreedict(LEXAVO_FREEDICT_DIR "/freedict-eng-ces");
    for (const Headword& h : englishCzech.headwords()) {
        for (const Sense& s : h.senses) czech.insert(withoutNotes(s.text));
    }
    Lexicon germanSource = readFreedict(LEXAVO_FREEDICT_DIR "/freedict-deu-eng");
    ASSERT_TRUE(succeeded(readDing(LEXAVO_DING_DE_EN, germanSource)));
    std::set<std::string> german;
    for (const Headword& h : germanSource.headwords()) german.insert(withoutNotes(h.text));
    for (const auto& [stem, sources] :
         {std::pair{"angcze", &czech}, std::pair{"nemcze", &czech}, std::pair{"czenem", &german}}) {
        std::string examples;
        EXPECT_EQ(cutPhrases(stem, *sources, examples), 0u) << stem << ": " << examples;
    }
}

// A German word written two ways in one Czech-German entry ("Nuss" and "Nuß",
// "abschließen" and "abschliessen") keeps the spelling the German speller accepts.
TEST(MkdictSources, OneSpellingOfAGermanWordPerEntry) {
    LoadedSet set;
    ASSERT_TRUE(succeeded(readSetBack(LEXAVO_PROGRAM_DIR, "czenem", set)));
    HunspellBaseForms speller(hunspellFolders(std::string()));
    size_t twice = 0;
    std::string examples;
    for (const auto& meanings : set.entries) {
        const std::set<std::string> present(meanings.begin(), meanings.end());
        for (const std::string& m : meanings) {
            for (size_t at = m.find("ss"); at != std::string::npos; at = m.find("ss", at + 1)) {
                std::string other = m;
                other.replace(at, 2, "\xDF");  // ß in code page 1250
                if (present.count(other) == 0) continue;
                const bool a = speller.acceptsUtf8(WordLanguage::kGerman, cp1250ToUtf8(m));
                const bool b = speller.acceptsUtf8(WordLanguage::kGerman, cp1250ToUtf8(other));
                if (a == b) continue;
                ++twice;
                if (examples.size() < 200)
                    examples += cp1250ToUtf8(m) + " / " + cp1250ToUtf8(other) + "; ";
            }
        }
    }
    EXPECT_EQ(twice, 0u) << examples;
}

// A Czech verb's German meanings are infinitives: no past form ("pflegte", "kündigtest")
// or participle ("gekackt") of a single word.
TEST(MkdictSources, NoCzechVerbHasAGermanPastFormForMeaning) {
    WordTable czech;
    ASSERT_TRUE(succeeded(czech.read(LEXAVO_DATA_DIR "/wordtables/cs")));
    LoadedSet set;
    ASSERT_TRUE(succeeded(readSetBack(LEXAVO_PROGRAM_DIR, "czenem", set)));
    const auto pastForm = [](const std::string& m) {
        if (m.empty() || m.find(' ') != std::string::npos || isGermanNoun(m)) return false;
        return m.ends_with("te") || m.ends_with("tet") || m.ends_with("test") ||
               (m.starts_with("ge") && m.ends_with('t'));
    };
    size_t verbs = 0, forms = 0;
    std::string examples;
    for (size_t i = 0; i < set.headwords.size(); ++i) {
        const std::string head = cp1250ToUtf8(set.headwords[i]);
        if (czech.classes(head) != "v" || !looksLikeCzechInfinitive(head)) continue;
        ++verbs;
        for (const std::string& m : set.entries[i]) {
            if (!pastForm(m)) continue;
            if (++forms <= 10) examples += head + " -> " + cp1250ToUtf8(m) + "; ";
        }
    }
    EXPECT_GT(verbs, 1000u);
    EXPECT_EQ(forms, 0u) << examples;
}

}  // namespace
}  // namespace lexavo::mkdict
