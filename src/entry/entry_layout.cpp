#include "entry/entry_layout.h"

#include <cstdio>
#include <cstring>

#include "text/cp1250.h"

namespace lexavo {

const std::string_view kHistorySeparator =
    "==========================================================";

namespace {

// '"%s" (%u výrazů):' with ý 0xFD and ů 0xF9.
constexpr const char* kHistoryHeadingFormat = "\"%.*s\" (%u v\xFDraz\xF9):";
// 'Pro výraz "%s" nebyl nalezen žádný význam.' with ý 0xFD, ž 0x9E, á 0xE1.
constexpr const char* kNotFoundFormat =
    "Pro v\xFDraz \"%.*s\" nebyl nalezen \x9E\xE1"
    "dn\xFD v\xFDznam.";

}  // namespace

int32_t fontPixelHeight(int32_t points, int32_t dpi) { return (points * dpi + 36) / 72; }

std::string_view formatNotFound(std::string_view inputWord, char* out, size_t outBytes) {
    const int n = std::snprintf(out, outBytes, kNotFoundFormat, static_cast<int>(inputWord.size()),
                                inputWord.data());
    return {out, n < 0 ? 0 : std::min(static_cast<size_t>(n), outBytes - 1)};
}

std::string_view EntryLayout::historyLine(size_t i) const {
    if (i >= historyLines_) return {};
    const size_t begin = historyStart_[i];
    return {history_ + begin, historyStart_[i + 1] - begin};
}

void EntryLayout::reset(const EntryCanvas& canvas) {
    height = canvas.canvasHeight();
    nextLineY = canvas.nextLineY();
    hasRule = false;
    textCount = 0;
    linesCut = 0;
    historyUsed_ = 0;
    historyLines_ = 0;
    historyStart_[0] = 0;
}

bool EntryLayout::grow(int32_t by) {
    if (height + by > kCanvasRows) return false;
    height += by;
    return true;
}

void EntryLayout::addText(TextKind kind, int32_t x, int32_t h, std::string_view text) {
    if (textCount < kMaxTextItems) texts[textCount++] = {kind, x, nextLineY, h, text};
}

void EntryLayout::addHistoryLine(std::string_view text) {
    if (historyLines_ >= kMaxHistoryLines) return;
    const size_t room = kHistoryBytes - historyUsed_;
    const size_t n = text.size() < room ? text.size() : room;
    if (n != 0) std::memcpy(history_ + historyUsed_, text.data(), n);
    historyUsed_ += n;
    historyStart_[++historyLines_] = historyUsed_;
}

void EntryLayout::layoutEntry(const EntryReader& reader, char* inputWord, const EntryCanvas& canvas,
                              int32_t dpi) {
    reset(canvas);
    const MeaningTable& meanings = reader.entryMeanings;
    if (reader.homographSlots.count > 0) {
        inputWord[0] = upperAscii(inputWord[0]);
        const std::string_view word(inputWord);
        const int n = std::snprintf(heading_, sizeof heading_, "\"%.*s\"",
                                    static_cast<int>(word.size()), word.data());
        const std::string_view headingText(heading_, static_cast<size_t>(n));
        const int32_t h = fontPixelHeight(kHeadingPoints, dpi);
        if (grow(h + h / 3)) {
            hasRule = true;
            rule = {2 * kLeftMargin, canvas.canvasWidth() - 2 * kLeftMargin - 2, nextLineY + h - 2};
            addText(TextKind::kHeading, kLeftMargin, h, headingText);
            nextLineY += h + h / 8 + 5;
        }

        char line[kLayoutLineBytes];
        const int m =
            std::snprintf(line, sizeof line, kHistoryHeadingFormat, static_cast<int>(word.size()),
                          word.data(), static_cast<unsigned>(meanings.count));
        addHistoryLine({line, static_cast<size_t>(m)});

        const int32_t hm = fontPixelHeight(kMeaningPoints, dpi);
        for (int32_t k = 0; k < meanings.count; ++k) {
            const std::string_view text = meanings.at(static_cast<size_t>(k));
            if (text.empty()) continue;
            char* number = numbers_[k];
            const int len =
                std::snprintf(number, sizeof numbers_[k], "%u)", static_cast<unsigned>(k + 1));
            if (grow(hm + hm / 4)) {
                addText(TextKind::kMeaningNumber, kLeftMargin + 10, hm,
                        {number, static_cast<size_t>(len)});
                addText(TextKind::kMeaningText, kLeftMargin + 35, hm, text);
                nextLineY += hm + hm / 4;
            } else {
                ++linesCut;
            }
            const int l = std::snprintf(line, sizeof line, " - %.*s", static_cast<int>(text.size()),
                                        text.data());
            addHistoryLine({line, static_cast<size_t>(l)});
        }
    }
    addHistoryLine(kHistorySeparator);
    addHistoryLine({});
}

void EntryLayout::layoutNotFound(std::string_view message, const EntryCanvas& canvas, int32_t dpi) {
    reset(canvas);
    const size_t n = message.size() < sizeof heading_ ? message.size() : sizeof heading_;
    if (n != 0) std::memcpy(heading_, message.data(), n);
    const int32_t h = fontPixelHeight(kMeaningPoints, dpi);
    if (grow(h + h / 4)) {
        addText(TextKind::kNotFound, kLeftMargin, h, {heading_, n});
        nextLineY += h + h / 4;
    } else {
        ++linesCut;
    }
}

}  // namespace lexavo
