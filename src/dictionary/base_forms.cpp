#include "dictionary/base_forms.h"

#include "dictionary/formats.h"

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
    for (const std::string& candidate : forms.baseForms(language, word)) {
        if (const int32_t slot = find(candidate); slot >= 0) {
            form = candidate;
            return slot;
        }
    }
    return -1;
}

}  // namespace lexavo
