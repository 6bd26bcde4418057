#pragma once
// Base forms of inflected words: where a word of a text or the word field has no
// headword as written, the dictionary is searched for its base forms (Czech
// "obchodě" -> "obchod", German "kauften" -> "kaufen", English "children" -> "child").
// The core only asks; where the forms come from (a spelling dictionary, a table of
// irregular forms, a test's own list) is the provider's business.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lexavo {

enum class WordLanguage { kNone, kCzech, kEnglish, kGerman };

// The language of a dictionary's headwords, told by its title (code page 1250); kNone
// for a title that is none of the four directions.
WordLanguage headwordLanguage(std::string_view title);

class BaseForms {
  public:
    virtual ~BaseForms() = default;
    // The base forms of word (code page 1250, as written) in language, the likeliest
    // first, valid until the next call. The word itself is never among them; none
    // where the word has none or the language is not known.
    virtual const std::vector<std::string>& baseForms(WordLanguage language,
                                                      std::string_view word) = 0;
    // Called when a dictionary of language is loaded: a provider that needs time
    // to get ready for a language may start now, so that the first word does not
    // wait. Nothing by default.
    virtual void prepare(WordLanguage /*language*/) {}
    // Spellings the provider would offer for a misspelt word, the likeliest first;
    // none by default.
    virtual std::vector<std::string> spellingSuggestions(WordLanguage /*language*/,
                                                         std::string_view /*word*/) {
        return {};
    }
};

// Looks one text up, giving its slot or -1; the caller's lookup decides how letter
// case is matched.
using FindHeadword = std::function<int32_t(std::string_view)>;

// The slot of the first base form of word that find reports as a headword, or -1.
// form receives that base form.
int32_t findBaseFormHeadword(BaseForms& forms, WordLanguage language, std::string_view word,
                             const FindHeadword& find, std::string& form);

}  // namespace lexavo
