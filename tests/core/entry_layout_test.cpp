// Entry layout: where the heading, the rule and the numbered meanings go, how the
// picture grows, the history lines, and the store's row limit.

#include "entry/entry_layout.h"

#include <gtest/gtest.h>

#include <memory>

#include "dictionary/dictionary_store.h"
#include "support/test_dictionaries.h"
#include "text/fixed_text.h"

namespace lexavo {
namespace {

using testing::cp;

class EntryLayoutTest : public ::testing::Test {
  protected:
    void load(const std::vector<testing::TestEntry>& entries) {
        testing::writeTestSet(dir_, "t", kTitleEnglishCzech, "Aj->\xC8j", "x", entries);
        ASSERT_EQ(store_->loadDictionary(dir_.path(), {"t.nfo", "t.dt1", "t.dt2"}),
                  DictionaryStore::LoadResult::kLoaded);
    }
    // A blank picture as clearing leaves it, then the entry of word.
    void layout(const std::string& word) {
        canvas_->setPictureSize(800, 20);
        canvas_->setNextLineY(5);
        word_.set(word);
        ASSERT_EQ(reader_->collectEntryMeanings(*store_, word), CollectStatus::kOk);
        layout_->layoutEntry(*reader_, word_.data(), *canvas_, kDefaultDpi);
    }
    std::vector<std::string> history() const {
        std::vector<std::string> out;
        for (size_t i = 0; i < layout_->historyLineCount(); ++i) {
            out.emplace_back(layout_->historyLine(i));
        }
        return out;
    }
    std::vector<std::string> texts(TextKind kind) const {
        std::vector<std::string> out;
        for (size_t i = 0; i < layout_->textCount; ++i) {
            if (layout_->texts[i].kind == kind) out.emplace_back(layout_->texts[i].text);
        }
        return out;
    }

    testing::TempProgramDir dir_;
    std::unique_ptr<DictionaryStore> store_ = std::make_unique<DictionaryStore>();
    std::unique_ptr<EntryReader> reader_ = std::make_unique<EntryReader>();
    std::unique_ptr<EntryCanvas> canvas_ = std::make_unique<EntryCanvas>();
    std::unique_ptr<EntryLayout> layout_ = std::make_unique<EntryLayout>();
    FixedText<1000> word_;
};

TEST(FontPixelHeightTest, RoundsPointsAtTheScreenResolution) {
    EXPECT_EQ(fontPixelHeight(17, 96), 23);
    EXPECT_EQ(fontPixelHeight(12, 96), 16);
    EXPECT_EQ(fontPixelHeight(12, 120), 20);
    EXPECT_EQ(fontPixelHeight(17, 120), 28);
    EXPECT_EQ(fontPixelHeight(17, 72), 17);
}

TEST_F(EntryLayoutTest, PlacesHeadingRuleAndMeanings) {
    for (int n : {1, 2, 5}) {
        std::vector<std::string> meanings;
        for (int i = 1; i <= n; ++i) meanings.push_back("m" + std::to_string(i));
        load({{"dog", meanings}});
        layout("dog");
        SCOPED_TRACE(n);
        EXPECT_EQ(layout_->height, 50 + 20 * n);
        EXPECT_EQ(layout_->nextLineY, 35 + 20 * n);
        ASSERT_TRUE(layout_->hasRule);
        EXPECT_EQ(layout_->rule.x0, 12);
        EXPECT_EQ(layout_->rule.x1, 786);
        EXPECT_EQ(layout_->rule.silverY, 26);
        ASSERT_EQ(layout_->textCount, size_t(1 + 2 * n));
        const TextItem& heading = layout_->texts[0];
        EXPECT_EQ(heading.kind, TextKind::kHeading);
        EXPECT_EQ(heading.x, 6);
        EXPECT_EQ(heading.y, 5);
        EXPECT_EQ(heading.pixelHeight, 23);
        EXPECT_EQ(heading.text, "\"Dog\"");
        for (int i = 1; i <= n; ++i) {
            const TextItem& number = layout_->texts[2 * i - 1];
            const TextItem& text = layout_->texts[2 * i];
            EXPECT_EQ(number.kind, TextKind::kMeaningNumber);
            EXPECT_EQ(number.text, std::to_string(i) + ")");
            EXPECT_EQ(number.x, 16);
            EXPECT_EQ(number.y, 35 + 20 * (i - 1));
            EXPECT_EQ(text.kind, TextKind::kMeaningText);
            EXPECT_EQ(text.text, "m" + std::to_string(i));
            EXPECT_EQ(text.x, 41);
            EXPECT_EQ(text.y, number.y);
            EXPECT_EQ(text.pixelHeight, 16);
        }
    }
}

TEST_F(EntryLayoutTest, SkipsEmptyMeaningsButCountsThem) {
    load({{"dog", {"pes", "", "hafan"}}, {"cat", {}}});
    layout("dog");
    EXPECT_EQ(texts(TextKind::kMeaningNumber), (std::vector<std::string>{"1)", "3)"}));
    EXPECT_EQ(texts(TextKind::kMeaningText), (std::vector<std::string>{"pes", "hafan"}));
    EXPECT_EQ(layout_->height, 90);
    EXPECT_EQ(history(), (std::vector<std::string>{cp("\"Dog\" (3 výrazů):"), " - pes", " - hafan",
                                                   std::string(58, '='), ""}));
}

TEST_F(EntryLayoutTest, GathersHomographsHighestSlotFirst) {
    load({{"bank", {"a", "b", "c"}}, {"bank", {"d", "e"}}});
    layout("bank");
    EXPECT_EQ(texts(TextKind::kMeaningText), (std::vector<std::string>{"d", "e", "a", "b", "c"}));
    EXPECT_EQ(texts(TextKind::kMeaningNumber),
              (std::vector<std::string>{"1)", "2)", "3)", "4)", "5)"}));
    EXPECT_EQ(history().front(), cp("\"Bank\" (5 výrazů):"));
    EXPECT_EQ(history().size(), 8u);
}

TEST_F(EntryLayoutTest, CapitalisesOnlyAsciiFirstLetters) {
    load({{cp("čaj"), {"tea"}}, {"dog", {"pes"}}});
    layout(cp("čaj"));
    EXPECT_EQ(word_.view(), cp("čaj"));
    EXPECT_EQ(texts(TextKind::kHeading), std::vector<std::string>{cp("\"čaj\"")});
    layout("dog");
    EXPECT_EQ(word_.view(), "Dog");
}

TEST_F(EntryLayoutTest, WithoutHomographWritesOnlyTheSeparator) {
    load({{"dog", {"pes"}}});
    layout("cat");
    EXPECT_EQ(word_.view(), "cat");
    EXPECT_EQ(layout_->textCount, 0u);
    EXPECT_FALSE(layout_->hasRule);
    EXPECT_EQ(layout_->height, 20);
    EXPECT_EQ(layout_->nextLineY, 5);
    EXPECT_EQ(history(), (std::vector<std::string>{std::string(58, '='), ""}));
}

TEST_F(EntryLayoutTest, NotFoundLineIsFortyRowsHigh) {
    canvas_->setPictureSize(800, 20);
    canvas_->setNextLineY(5);
    char message[kLayoutLineBytes];
    const std::string_view text = formatNotFound("xq", message, sizeof message);
    EXPECT_EQ(text, cp("Pro výraz \"xq\" nebyl nalezen žádný význam."));
    layout_->layoutNotFound(text, *canvas_, kDefaultDpi);
    EXPECT_EQ(layout_->height, 40);
    EXPECT_EQ(layout_->nextLineY, 25);
    ASSERT_EQ(layout_->textCount, 1u);
    EXPECT_EQ(layout_->texts[0].kind, TextKind::kNotFound);
    EXPECT_EQ(layout_->texts[0].x, 6);
    EXPECT_EQ(layout_->texts[0].y, 5);
    EXPECT_EQ(layout_->texts[0].text, text);
    EXPECT_EQ(layout_->historyLineCount(), 0u);
}

TEST_F(EntryLayoutTest, StopsDrawingAtTheStoreButWritesTheWholeHistory) {
    std::vector<std::string> meanings;
    for (int i = 1; i <= 120; ++i) meanings.push_back("m" + std::to_string(i));
    load({{"many", meanings}});
    layout("many");
    // 97 meaning lines fit into 2000 rows: 50 + 20 * 97 = 1990.
    EXPECT_EQ(layout_->height, 1990);
    EXPECT_EQ(texts(TextKind::kMeaningNumber).size(), 97u);
    EXPECT_EQ(texts(TextKind::kMeaningNumber).back(), "97)");
    EXPECT_EQ(layout_->linesCut, 23u);
    EXPECT_EQ(history().size(), 123u);
    EXPECT_EQ(history()[120], " - m120");

    // A picture already full keeps its height and draws nothing more.
    canvas_->setPictureSize(canvas_->canvasWidth(), 1990);
    canvas_->setNextLineY(1975);
    layout_->layoutEntry(*reader_, word_.data(), *canvas_, kDefaultDpi);
    EXPECT_EQ(layout_->height, 1990);
    EXPECT_EQ(layout_->textCount, 0u);
}

TEST_F(EntryLayoutTest, LongestWordFitsTheFormattedLines) {
    const std::string word(999, 'w');
    char message[kLayoutLineBytes];
    const std::string_view text = formatNotFound(word, message, sizeof message);
    EXPECT_EQ(text.size(), word.size() + 40);
    EXPECT_EQ(text.substr(text.size() - 7), cp("význam."));
}

}  // namespace
}  // namespace lexavo
