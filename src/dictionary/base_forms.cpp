#include "dictionary/base_forms.h"

#include <utility>

#include "dictionary/formats.h"
#include "text/cp1250.h"

namespace lexavo {

WordLanguage headwordLanguage(std::string_view title) {
    if (title == kTitleEnglishCzech) return WordLanguage::kEnglish;
    if (title == kTitleGermanCzech) return WordLanguage::kGerman;
    if (title == kTitleCzechEnglish || title == kTitleCzechGerman) return WordLanguage::kCzech;
    return WordLanguage::kNone;
}

int32_t findBaseFormHeadword(BaseForms& forms, WordLanguage language, std::string_view word,
                             const FindHeadword& find, std::string& form) {
    if (language == WordLanguage::kNone) return -1;
    thread_local std::vector<std::string> candidates;
    forms.baseForms(language, word, candidates);
    for (const std::string& candidate : candidates) {
        if (const int32_t slot = find(candidate); slot >= 0) {
            form = candidate;
            return slot;
        }
        std::string folded = foldAscii(candidate);
        if (folded == candidate) continue;
        if (const int32_t slot = find(folded); slot >= 0) {
            form = std::move(folded);
            return slot;
        }
    }
    return -1;
}

}  // namespace lexavo
