#pragma once
// Suggestions for a word that has no entry as written: the headwords a user most
// likely meant when they left out accents ("dum" for "dům") or made a typing error
// ("recieve" for "receive"). Built over the loaded headwords once per load.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/base_forms.h"
#include "dictionary/dictionary_store.h"
#include "lookup/exact_lookup.h"

namespace lexavo {

// Edit distance with adjacent transpositions (optimal string alignment), or limit + 1
// when it is larger than limit.
int boundedEditDistance(std::string_view a, std::string_view b, int limit);

class Suggester {
  public:
    static constexpr size_t kMaxSuggestions = 5;
    static constexpr int kMaxTypingErrors = 2;

    enum class Reach {
        kAccentTwins,  // only headwords equal to the word when accents and case are ignored
        kEverything,   // those, then headwords within two typing errors, then spelling
    };
    // The headwords to offer for word (code page 1250, as typed), each once as stored,
    // at most kMaxSuggestions and never `shown` (the headword whose entry is shown):
    // first those equal to the word when accents and case are ignored, then (kEverything)
    // those within two typing errors, the closest first, then the spelling
    // suggestions of forms, when given, that are headwords.
    std::vector<std::string> suggest(const DictionaryStore& store, std::string_view word,
                                     Reach reach, BaseForms* forms = nullptr,
                                     std::string_view shown = {});

  private:
    void build(const DictionaryStore& store);
    std::string_view folded(uint32_t slot) const;
    // Slots whose folded headword equals folded.
    std::vector<uint32_t> twinsOf(std::string_view folded) const;
    // Slots within kMaxTypingErrors of folded, with their distance, closest first.
    std::vector<std::pair<int, uint32_t>> nearTo(std::string_view folded);

    uint64_t generation_ = UINT64_MAX;
    uint32_t count_ = 0;
    // Each slot's folded headword, zero-terminated, back to back, and where each begins.
    std::string foldedText_;
    std::vector<uint32_t> foldedStart_;
    // Slots in the order of their folded headwords.
    std::vector<uint32_t> byFolded_;
    // For each bigram of folded text (with start and end marks), the slots that hold
    // it, once each: postings_[bigramStart_[key]] up to bigramStart_[key + 1].
    std::vector<uint32_t> bigramStart_;
    std::vector<uint32_t> postings_;
    // Scratch of one query: shared bigrams per slot, and the slots touched.
    std::vector<uint8_t> shared_;
    std::vector<uint32_t> touched_;
};

// What the translate command offers beside its decision for the typed word: nothing
// when the word is a headword as typed or needs no entry; its accent twins when its
// entry was found another way (the ASCII rule, a base form); everything when no
// entry was found.
std::vector<std::string> suggestionsFor(Suggester& suggester, const DictionaryStore& store,
                                        std::string_view typed, const TranslateDecision& decision,
                                        BaseForms* forms);

}  // namespace lexavo
