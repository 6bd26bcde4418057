#pragma once
// What an entry looks like: where the heading, its rule and the numbered meanings
// go in the entry picture, how much the picture grows, and the lines the entry adds
// to the search history. The rasteriser only draws what this decides.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "entry/entry_canvas.h"
#include "entry/entry_reader.h"

namespace lexavo {

constexpr int32_t kLeftMargin = 6;
constexpr int32_t kHeadingPoints = 17;
constexpr int32_t kMeaningPoints = 12;
constexpr int32_t kDefaultDpi = 96;
// A formatted line: the longest input word and the words around it.
constexpr size_t kLayoutLineBytes = 1064;
// One heading and a number and a text per meaning.
constexpr size_t kMaxTextItems = 1 + 2 * kMeaningSlots;
// Heading, a line per meaning, the separator and the blank line.
constexpr size_t kMaxHistoryLines = kMeaningSlots + 3;
constexpr size_t kHistoryBytes = kLayoutLineBytes + kMeaningSlots * (kMeaningBytes + 4) + 64;

// Pixel height of a font of the given points: points * dpi / 72, rounded.
int32_t fontPixelHeight(int32_t points, int32_t dpi);

enum class TextKind : uint8_t {
    kHeading,        // Times 17 italic, green, no background
    kMeaningNumber,  // Times 12 bold, navy, on white
    kMeaningText,    // Times 12 bold, blue, on white
    kNotFound,       // Times 12 bold, maroon, on white
};

struct TextItem {
    TextKind kind;
    int32_t x;
    int32_t y;  // top of the text
    int32_t pixelHeight;
    std::string_view text;  // code page 1250
};

// The two rows under the heading: silver on silverY, black on silverY + 1.
struct RuleItem {
    int32_t x0;
    int32_t x1;  // inclusive
    int32_t silverY;
};

class EntryLayout {
  public:
    // The entry gathered in reader for inputWord (zero-terminated), below what canvas holds. When a
    // homograph was read, the first letter of inputWord is made upper case. Lines
    // that would make the picture taller than the store are not drawn; the history
    // still receives every meaning.
    void layoutEntry(const EntryReader& reader, char* inputWord, const EntryCanvas& canvas,
                     int32_t dpi);
    // A not-found line holding message (formatted by formatNotFound) below what
    // canvas holds.
    void layoutNotFound(std::string_view message, const EntryCanvas& canvas, int32_t dpi);

    // The picture after the operation.
    int32_t height = 0;
    int32_t nextLineY = 0;
    bool hasRule = false;
    RuleItem rule{};
    size_t textCount = 0;
    TextItem texts[kMaxTextItems];
    // Meaning lines that did not fit into the store.
    size_t linesCut = 0;

    size_t historyLineCount() const { return historyLines_; }
    std::string_view historyLine(size_t i) const;

  private:
    void reset(const EntryCanvas& canvas);
    void addText(TextKind kind, int32_t x, int32_t h, std::string_view text);
    void addHistoryLine(std::string_view text);
    // Grows the picture for a line; false when the store has no room for it.
    bool grow(int32_t by);

    char heading_[kLayoutLineBytes];
    char numbers_[kMeaningSlots][8];
    char history_[kHistoryBytes];
    size_t historyUsed_ = 0;
    size_t historyStart_[kMaxHistoryLines + 1];
    size_t historyLines_ = 0;
};

// "Pro výraz "%s" nebyl nalezen žádný význam." in code page 1250.
std::string_view formatNotFound(std::string_view inputWord, char* out, size_t outBytes);

// The history's separator line: 58 equals signs.
extern const std::string_view kHistorySeparator;

}  // namespace lexavo
