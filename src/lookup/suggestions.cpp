#include "lookup/suggestions.h"

#include <algorithm>
#include <numeric>

#include "lookup/exact_lookup.h"
#include "text/cp1250.h"

namespace lexavo {

namespace {

constexpr char kStartMark = '\x01';
constexpr char kEndMark = '\x02';
constexpr size_t kBigramKeys = size_t{1} << 16;

// The distinct bigrams of folded text between its start and end marks.
std::vector<uint16_t> bigramsOf(std::string_view folded) {
    std::vector<uint16_t> keys;
    keys.reserve(folded.size() + 1);
    char previous = kStartMark;
    for (size_t i = 0; i <= folded.size(); ++i) {
        const char c = i < folded.size() ? folded[i] : kEndMark;
        keys.push_back(static_cast<uint16_t>((static_cast<unsigned char>(previous) << 8) |
                                             static_cast<unsigned char>(c)));
        previous = c;
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

// Typing errors forgiven in a word of this many letters: one in a short word, where
// two would make nearly any short word of the language a suggestion.
int errorsForgiven(size_t letters) { return letters <= 4 ? 1 : Suggester::kMaxTypingErrors; }

}  // namespace

int boundedEditDistance(std::string_view a, std::string_view b, int limit) {
    const size_t n = a.size();
    const size_t m = b.size();
    if ((n > m ? n - m : m - n) > static_cast<size_t>(limit)) return limit + 1;
    // Three rows of the distance table: two back (for a transposition), one back, this.
    // No headword is as long as the rows: a longer text is near none.
    constexpr size_t kRow = 256;
    if (m >= kRow) return limit + 1;
    int rows[3][kRow];
    int* before = rows[0];
    int* previous = rows[1];
    int* row = rows[2];
    std::iota(previous, previous + m + 1, 0);
    for (size_t i = 1; i <= n; ++i) {
        row[0] = static_cast<int>(i);
        int best = row[0];
        for (size_t j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[j] + 1, row[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d = std::min(d, before[j - 2] + 1);
            }
            row[j] = d;
            best = std::min(best, d);
        }
        if (best > limit) return limit + 1;
        std::swap(before, previous);
        std::swap(previous, row);
    }
    return std::min(previous[m], limit + 1);
}

std::string_view Suggester::folded(uint32_t slot) const {
    return std::string_view(foldedText_.data() + foldedStart_[slot],
                            foldedStart_[slot + 1] - foldedStart_[slot] - 1);
}

void Suggester::build(const DictionaryStore& store) {
    generation_ = store.generation();
    count_ = store.headwordCount();
    foldedText_.clear();
    foldedStart_.assign(size_t{count_} + 1, 0);
    for (uint32_t s = 0; s < count_; ++s) {
        foldedStart_[s] = static_cast<uint32_t>(foldedText_.size());
        foldedText_ += foldAccents(store.headword(s));
        foldedText_ += '\0';
    }
    foldedStart_[count_] = static_cast<uint32_t>(foldedText_.size());

    byFolded_.resize(count_);
    std::iota(byFolded_.begin(), byFolded_.end(), 0u);
    std::stable_sort(byFolded_.begin(), byFolded_.end(),
                     [this](uint32_t x, uint32_t y) { return folded(x) < folded(y); });

    // Two passes over the bigrams: their counts, then the slots in their places.
    bigramStart_.assign(kBigramKeys + 1, 0);
    for (uint32_t s = 0; s < count_; ++s) {
        for (const uint16_t key : bigramsOf(folded(s))) ++bigramStart_[size_t{key} + 1];
    }
    std::partial_sum(bigramStart_.begin(), bigramStart_.end(), bigramStart_.begin());
    postings_.resize(bigramStart_[kBigramKeys]);
    // The slots go in by the length of their folded headword, so that each bigram's
    // slots are ordered by length and a query reads only those of lengths near its own.
    std::vector<uint32_t> byLength(count_);
    std::iota(byLength.begin(), byLength.end(), 0u);
    std::stable_sort(byLength.begin(), byLength.end(), [this](uint32_t x, uint32_t y) {
        return folded(x).size() < folded(y).size();
    });
    std::vector<uint32_t> next(bigramStart_.begin(), bigramStart_.end() - 1);
    for (const uint32_t s : byLength) {
        for (const uint16_t key : bigramsOf(folded(s))) postings_[next[key]++] = s;
    }
    shared_.assign(count_, 0);
    touched_.clear();
}

std::vector<uint32_t> Suggester::twinsOf(std::string_view word) const {
    const auto [from, to] = std::equal_range(
        byFolded_.begin(), byFolded_.end(), word, [this](const auto& x, const auto& y) {
            if constexpr (std::is_same_v<std::decay_t<decltype(x)>, uint32_t>) {
                return folded(x) < y;
            } else {
                return x < folded(y);
            }
        });
    std::vector<uint32_t> slots(from, to);
    std::sort(slots.begin(), slots.end());
    return slots;
}

std::vector<std::pair<int, uint32_t>> Suggester::nearTo(std::string_view word) {
    const int limit = errorsForgiven(word.size());
    const std::vector<uint16_t> keys = bigramsOf(word);
    // Each typing error spoils at most three of the word's bigrams (two letters
    // swapped spoil three): a headword within the limit shares all but 3 * limit of
    // them (and at least one).
    const int needed = std::max(1, static_cast<int>(keys.size()) - 3 * limit);
    const size_t shortest = word.size() > static_cast<size_t>(limit) ? word.size() - limit : 0;
    const size_t longest = word.size() + static_cast<size_t>(limit);
    const auto lengthOf = [this](uint32_t s) { return folded(s).size(); };
    for (const uint16_t key : keys) {
        const auto begin = postings_.begin() + bigramStart_[key];
        const auto end = postings_.begin() + bigramStart_[size_t{key} + 1];
        // Only headwords whose length is within the limit of the word's.
        const auto from =
            std::partition_point(begin, end, [&](uint32_t s) { return lengthOf(s) < shortest; });
        const auto to =
            std::partition_point(from, end, [&](uint32_t s) { return lengthOf(s) <= longest; });
        for (auto it = from; it != to; ++it) {
            if (shared_[*it]++ == 0) touched_.push_back(*it);
        }
    }
    std::vector<std::pair<int, uint32_t>> found;
    for (const uint32_t s : touched_) {
        if (shared_[s] >= needed) {
            const int d = boundedEditDistance(word, folded(s), limit);
            // Distance 0 is an accent twin, offered before these.
            if (d >= 1 && d <= limit) found.emplace_back(d, s);
        }
        shared_[s] = 0;
    }
    touched_.clear();
    std::sort(found.begin(), found.end(), [&](const auto& x, const auto& y) {
        if (x.first != y.first) return x.first < y.first;
        const auto gap = [&](uint32_t s) {
            const size_t n = folded(s).size();
            return n > word.size() ? n - word.size() : word.size() - n;
        };
        if (gap(x.second) != gap(y.second)) return gap(x.second) < gap(y.second);
        return x.second < y.second;
    });
    return found;
}

std::vector<std::string> Suggester::suggest(const DictionaryStore& store, std::string_view word,
                                            Reach reach, BaseForms* forms, std::string_view shown) {
    std::vector<std::string> out;
    if (word.empty() || store.headwordCount() == 0) return out;
    if (generation_ != store.generation() || count_ != store.headwordCount()) build(store);
    const auto offer = [&](std::string_view headword) {
        if (out.size() >= kMaxSuggestions || headword.empty() || headword == shown) return;
        if (std::find(out.begin(), out.end(), headword) == out.end()) out.emplace_back(headword);
    };
    const std::string key = foldAccents(word);
    for (const uint32_t s : twinsOf(key)) offer(store.headword(s));
    if (reach == Reach::kAccentTwins) return out;
    for (const auto& [distance, s] : nearTo(key)) offer(store.headword(s));
    if (forms != nullptr && out.size() < kMaxSuggestions) {
        const WordLanguage language = headwordLanguage(store.dictInfo().title());
        for (const std::string& spelled : forms->spellingSuggestions(language, word)) {
            int32_t slot = findExactSlot(store, spelled);
            if (slot < 0) slot = findFoldedSlot(store, foldAscii(spelled));
            if (slot >= 0) offer(store.headword(static_cast<uint32_t>(slot)));
        }
    }
    return out;
}

std::vector<std::string> suggestionsFor(Suggester& suggester, const DictionaryStore& store,
                                        std::string_view typed, const TranslateDecision& decision,
                                        BaseForms* forms) {
    switch (decision.action) {
        case TranslateAction::kNotFound:
            return suggester.suggest(store, typed, Suggester::Reach::kEverything, forms);
        case TranslateAction::kShowStoredForm:
        case TranslateAction::kShowBaseForm:
            return suggester.suggest(store, typed, Suggester::Reach::kAccentTwins, nullptr,
                                     store.headword(static_cast<uint32_t>(decision.slot)));
        default:
            return {};
    }
}

}  // namespace lexavo
