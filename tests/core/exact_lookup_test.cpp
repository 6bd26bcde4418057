// The translate command's decision on a real set: the exact headword, the headword
// stored with capitals, one character, nothing.
#include "lookup/exact_lookup.h"

#include <gtest/gtest.h>

#include <random>

#include "dictionary/dictionary_store.h"
#include "support/reference_exact_lookup.h"
#include "support/test_dictionaries.h"
#include "text/cp1250.h"

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
    ASSERT_EQ(store.loadDictionary(dir.path(), {"nemcze.nfo", "nemcze.dt1", "nemcze.dt2"}),
              DictionaryStore::LoadResult::kLoaded);

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

// The indexed lookups give the slot the scan from the start slot gives, on random
// tables with capitals and homographs, after reloads and with start slots moved.
TEST(ExactLookup, IndexedLookupsEqualTheScanOnRandomTables) {
    std::mt19937 rng(42);
    const std::string alphabet = cp("aAbBlLčČ");
    DictionaryStore store;
    auto randomWord = [&](int maxLength) {
        std::string w(std::uniform_int_distribution<int>(0, maxLength)(rng), ' ');
        for (auto& c : w) c = alphabet[rng() % alphabet.size()];
        return w;
    };
    for (int round = 0; round < 40; ++round) {
        const uint32_t count = std::uniform_int_distribution<uint32_t>(0, 2000)(rng);
        store.startIndexForTesting().fill(-1);
        for (uint32_t s = 0; s < count; ++s) {
            const std::string w = randomWord(3);
            store.setSlotForTesting(s, w);
            addToStartIndex(store.startIndexForTesting(), w, static_cast<int32_t>(s));
        }
        store.setHeadwordCountForTesting(count);
        // Some start slots point past the first headword of their key.
        for (int k = 0; k < 3; ++k) {
            store.startIndexForTesting()[static_cast<unsigned char>(
                alphabet[rng() % alphabet.size()])] =
                count == 0 ? -1 : static_cast<int32_t>(rng() % count);
        }
        for (int probe = 0; probe < 400; ++probe) {
            const std::string w = randomWord(4);
            ASSERT_EQ(findExactSlot(store, w), findExactSlotByScan(store, w)) << round;
            const std::string folded = foldAscii(w);
            ASSERT_EQ(findFoldedSlot(store, folded), findFoldedSlotByScan(store, folded)) << round;
        }
    }
}

}  // namespace
}  // namespace lexavo
