// The translate command's decision on a real set: the exact headword, the headword
// stored with capitals, one character, nothing.
#include "lookup/exact_lookup.h"

#include <gtest/gtest.h>

#include "dictionary/dictionary_store.h"
#include "support/test_dictionaries.h"

namespace lexavo {
namespace {

using lexavo::testing::cp;
using lexavo::testing::TempProgramDir;

TEST(TranslateDecision, ExactThenStoredFormThenNotFound) {
    TempProgramDir dir;
    // "abend", "ah" and "al" open the start slots of b, h and l.
    writeTestSet(dir, "nemcze", cp("Německo-český slovník"), cp("Nj->Čj"), "  Slovo:  ",
                 {{"abend", {cp("večer")}},
                  {"ah", {"ach"}},
                  {"al", {"al"}},
                  {"Bank", {"banka"}},
                  {"bank", {"lavice"}},
                  {"Haus", {cp("dům")}},
                  {"hausen", {"bydlet"}},
                  {"London", {cp("Londýn")}}});
    DictionaryStore store;
    store.fileNames = {"nemcze.nfo", "nemcze.dt1", "nemcze.dt2"};
    ASSERT_EQ(store.loadDictionary(dir.path()), DictionaryStore::LoadResult::kLoaded);

    EXPECT_EQ(decideTranslate(store, "").action, TranslateAction::kNothing);
    EXPECT_EQ(decideTranslate(store, "h").action, TranslateAction::kListAll);
    const TranslateDecision bank = decideTranslate(store, "bank");
    EXPECT_EQ(bank.action, TranslateAction::kShowEntry);
    EXPECT_EQ(store.headword(static_cast<uint32_t>(bank.slot)), "bank");
    const TranslateDecision haus = decideTranslate(store, "haus");
    EXPECT_EQ(haus.action, TranslateAction::kShowStoredForm);
    EXPECT_EQ(store.headword(static_cast<uint32_t>(haus.slot)), "Haus");
    EXPECT_EQ(decideTranslate(store, "london").action, TranslateAction::kShowStoredForm);
    EXPECT_EQ(decideTranslate(store, "hau").action, TranslateAction::kNotFound);
    EXPECT_EQ(decideTranslate(store, "paris").action, TranslateAction::kNotFound);
}

}  // namespace
}  // namespace lexavo
