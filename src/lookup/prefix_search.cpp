#include "lookup/prefix_search.h"

#include <cstdio>
#include <cstring>

#include "dictionary/formats.h"
#include "dictionary/german_articles.h"
#include "text/cp1250.h"

namespace lexavo {

namespace {

constexpr size_t kArticleBytes = kArticleSuffixBytes - 1;

// The German pair rule: the headword after a match is the same headword with an
// article ("Haus", "Haus das") or the same text again ("Bank", "Bank").
bool pairsWith(const char* headword, const char* next) {
    std::string_view t(next);
    std::string_view u = t;
    if (t.size() >= kArticleBytes) {
        const std::string_view tail = t.substr(t.size() - kArticleBytes);
        for (const auto a : kGermanArticles) {
            if (tail == a) {
                // The pair rule looks at the last three letters only and drops the
                // character before them too, normally the blank of "Haus das".
                u = t.size() >= kArticleSuffixBytes ? t.substr(0, t.size() - kArticleSuffixBytes)
                                                    : std::string_view{};
                break;
            }
        }
    }
    return u == std::string_view(headword);
}

}  // namespace

PrefixSearch::PrefixSearch() : rows_(new uint32_t[kHeadwordSlots]()) {}

void formatCountLine(std::string_view folded, uint32_t count, char* out, size_t outBytes) {
    const char* noun = "slov";
    if (count == 1) {
        noun = "slovo";
    } else if (count >= 2 && count <= 4) {
        noun = "slova";
    }
    std::snprintf(out, outBytes, "%.*s: %lu %s", static_cast<int>(folded.size()), folded.data(),
                  static_cast<unsigned long>(count), noun);
}

bool PrefixSearch::run(const DictionaryStore& store, char* inputWord, int32_t threshold) {
    listRows_ = 0;
    foldAsciiInPlace(inputWord);
    const std::string_view word(inputWord);
    if (static_cast<int64_t>(word.size()) <= threshold) return false;

    matchCount_ = 0;
    foundSlot_ = -1;
    const int32_t start = store.startSlot(static_cast<unsigned char>(inputWord[0]));
    const bool germanPairs = store.dictInfo().direction() == kDirectionGermanCzech;
    // No headword is longer than a slot keeps, so a longer word matches nothing.
    if (start >= 0 && word.size() <= kMaxHeadwordBytes) {
        const uint32_t count = store.headwordCount();
        for (uint32_t s = static_cast<uint32_t>(start); s < count; ++s) {
            const char* h = store.slot(s);
            if (!beginsWithFoldedAscii(h, word)) continue;
            uint32_t shown = s;
            if (germanPairs && s + 1 < count && pairsWith(h, store.slot(s + 1))) {
                // The following slot is shown in this row and gives no row of its own.
                ++s;
                shown = s;
            }
            rows_[listRows_++] = shown;
            ++matchCount_;
            if (foundSlot_ == -1) foundSlot_ = static_cast<int32_t>(s);
        }
    }
    formatCountLine(word, matchCount_, countLine_, sizeof countLine_);
    return true;
}

}  // namespace lexavo
