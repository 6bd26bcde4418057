// Words found through their base forms: the text translator and the translate
// command's decision, with a provider of listed forms standing in for the spelling
// dictionary, so that each case says exactly which forms are offered.
#include "dictionary/base_forms.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "entry/entry_reader.h"
#include "lookup/exact_lookup.h"
#include "support/test_dictionaries.h"
#include "text/cp1250.h"
#include "translator/text_translator.h"

namespace lexavo {
namespace {

using testing::cp;
using testing::TempProgramDir;

using Forms = std::map<std::string, std::vector<std::string>>;

// Offers the listed forms of each word and records every word it was asked about.
class ListedForms final : public BaseForms {
  public:
    explicit ListedForms(Forms forms) : forms_(std::move(forms)) {}
    const std::vector<std::string>& baseForms(WordLanguage language,
                                              std::string_view word) override {
        static const std::vector<std::string> kNoForms;
        asked.emplace_back(word);
        languages.push_back(language);
        const auto it = forms_.find(std::string(word));
        return it == forms_.end() ? kNoForms : it->second;
    }
    std::vector<std::string> asked;
    std::vector<WordLanguage> languages;

  private:
    Forms forms_;
};

struct LoadedSet {
    LoadedSet(const std::string& title, const std::string& direction,
              const std::vector<testing::TestEntry>& entries) {
        testing::writeTestSet(dir, "dict", title, direction, "w", entries);
        EXPECT_EQ(store->loadDictionary(dir.path(), {"dict.nfo", "dict.dt1", "dict.dt2"}),
                  DictionaryStore::LoadResult::kLoaded);
    }
    std::string translate(std::string_view source, BaseForms* forms,
                          FixedTranslations fixed = FixedTranslations::kNone) {
        TextTranslator translator;
        translator.setBaseForms(forms);
        std::string result;
        outcome = translator.translate(*store, reader, source, fixed, result);
        return result;
    }
    TempProgramDir dir;
    std::unique_ptr<DictionaryStore> store = std::make_unique<DictionaryStore>();
    EntryReader reader;
    TranslationOutcome outcome;
};

LoadedSet czechEnglish() {
    return LoadedSet(kTitleCzechEnglish, cp("Čj->Aj"),
                     {{"a", {"and"}},
                      {"dům", {"house"}},
                      {"obchod", {"shop", "trade"}},
                      {"pes", {"dog"}},
                      {"psát", {"write"}},
                      {"Praha", {"Prague"}},
                      {"zeptat se", {"ask"}}});
}

TEST(BaseFormsInTheTranslator, FirstBaseFormThatIsAHeadwordGivesTheFirstMeaning) {
    LoadedSet set = czechEnglish();
    ListedForms forms(Forms{{cp("obchodě"), {"obchodit", "obchod"}},
                            {"psa", {"pes"}},
                            {cp("domě"), {"PES", cp("dům")}},
                            {"zeptala", {"zeptat", "zeptat se"}},
                            {"Prahou", {"Praha"}},
                            {"psal", {"xyz"}}});
    const std::string source = cp("V obchodě psa, domě; zeptala Prahou psal pes.");
    EXPECT_EQ(set.translate(source, &forms, FixedTranslations::kCzechIntoEnglish),
              "V shop dog, dog; ask Prague psal dog.");
    // "V" and "psal" (whose one form is no headword) are left as they stand.
    EXPECT_EQ(set.outcome.words, 8u);
    EXPECT_EQ(set.outcome.wordsLeft, 2u);
    // Asked only about the words with no headword as written, in Czech (the language
    // of this dictionary's headwords); "pes" is found as written.
    EXPECT_EQ(forms.asked, (std::vector<std::string>{"V", cp("obchodě"), "psa", cp("domě"),
                                                     "zeptala", "Prahou", "psal"}));
    for (WordLanguage l : forms.languages) EXPECT_EQ(l, WordLanguage::kCzech);
}

// A negated Czech word found through its positive base form keeps the negation in
// the target language; a superlative ("nej-") and a word whose base form keeps its
// "ne" are no negations.
TEST(BaseFormsInTheTranslator, NegatedCzechWordsKeepTheirNegation) {
    const std::vector<testing::TestEntry> entries = {
        {"a", {"x"}},
        {cp("dobrý"), {"good"}},
        {"nebe", {"sky"}},
        {cp("neděle"), {"Sunday"}},
        {cp("pomáhat"), {"help"}},
    };
    ListedForms forms(Forms{{cp("nepomáhají"), {cp("pomáhat")}},
                            {cp("Nepomáhej"), {cp("pomáhat")}},
                            {cp("nejlepší"), {cp("dobrý")}},
                            {cp("neděli"), {cp("neděle")}}});
    const std::string source = cp("nepomáhají Nepomáhej nejlepší neděli nebe");
    LoadedSet english(kTitleCzechEnglish, cp("Čj->Aj"), entries);
    EXPECT_EQ(english.translate(source, &forms), "not help not help good Sunday sky");
    LoadedSet german(kTitleCzechGerman, kDirectionCzechGerman, entries);
    EXPECT_EQ(german.translate(source, &forms), "nicht help nicht help good Sunday sky");
    // Into Czech there is no Czech negation to keep.
    LoadedSet intoCzech(kTitleGermanCzech, kDirectionGermanCzech, entries);
    EXPECT_EQ(intoCzech.translate(cp("nepomáhají"), &forms), "help");
}

TEST(BaseFormsInTheTranslator, TriedOnlyAfterTheWordAsWrittenAndItsSmallLetters) {
    LoadedSet set(kTitleGermanCzech, kDirectionGermanCzech,
                  {{"gehen", {cp("jít")}},
                   {"Kind", {cp("dítě")}},
                   {"kind", {cp("laskavý")}},
                   {"Haus", {cp("dům")}}});
    // Offered forms that would give another meaning if they were tried first.
    ListedForms forms(Forms{{"Kind", {"gehen"}},
                            {"Haus", {"gehen"}},
                            {"KIND", {"gehen"}},
                            {"ging", {"gehen"}},
                            {"Kindern", {"kind", "Kind"}}});
    EXPECT_EQ(set.translate("Kind Haus KIND ging Kindern", &forms),
              cp("laskavý dům laskavý jít laskavý"));
    EXPECT_EQ(forms.asked, (std::vector<std::string>{"ging", "Kindern"}));
    EXPECT_EQ(forms.languages.front(), WordLanguage::kGerman);
    // Without a provider, or for a dictionary of no known direction, nothing changes.
    EXPECT_EQ(set.translate("ging Kindern", nullptr), "ging Kindern");
    LoadedSet other(cp("Jiný slovník"), cp("Xx->Yy"), {{"gehen", {"go"}}});
    ListedForms none(Forms{{"ging", {"gehen"}}});
    EXPECT_EQ(other.translate("ging", &none), "ging");
}

TEST(BaseFormsInTheTranslateCommand, ShowsTheBaseFormOnlyWhereNothingElseIsFound) {
    LoadedSet set(kTitleEnglishCzech, cp("Aj->Čj"),
                  {{"ac", {"x"}},
                   {"ag", {"x"}},
                   {"al", {"x"}},
                   {"aw", {"x"}},
                   {"child", {cp("dítě")}},
                   {"go", {cp("jít")}},
                   {"London", {cp("Londýn")}},
                   {"went", {"wentworth"}}});
    ListedForms forms(Forms{{"children", {"childs", "child"}},
                            {"went", {"go"}},
                            {"london", {"go"}},
                            {"gone", {"Go"}},
                            {"xyz", {"abc"}}});
    // ("ac", "ag", "al" and "aw" open the start slots of c, g, l and w.)
    const DictionaryStore& store = *set.store;
    const TranslateDecision children = decideTranslate(store, "children", &forms);
    EXPECT_EQ(children.action, TranslateAction::kShowBaseForm);
    EXPECT_EQ(store.headword(static_cast<uint32_t>(children.slot)), "child");
    // A form with capitals finds the headword stored in small letters.
    const TranslateDecision gone = decideTranslate(store, "gone", &forms);
    EXPECT_EQ(gone.action, TranslateAction::kShowBaseForm);
    EXPECT_EQ(store.headword(static_cast<uint32_t>(gone.slot)), "go");
    // The word itself and its stored form come first.
    EXPECT_EQ(decideTranslate(store, "went", &forms).action, TranslateAction::kShowEntry);
    EXPECT_EQ(decideTranslate(store, "london", &forms).action, TranslateAction::kShowStoredForm);
    EXPECT_EQ(forms.asked, (std::vector<std::string>{"children", "gone"}));
    EXPECT_EQ(decideTranslate(store, "xyz", &forms).action, TranslateAction::kNotFound);
    EXPECT_EQ(decideTranslate(store, "children").action, TranslateAction::kNotFound);
}

}  // namespace
}  // namespace lexavo
