#pragma once
// Base forms from Hunspell's spelling dictionaries (Debian's hunspell-cs,
// hunspell-de-de, hunspell-en-us) and the committed tables of irregular forms.

#include <array>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dictionary/base_forms.h"
#include "morphology/irregular_forms.h"

class Hunspell;

namespace lexavo {

// The folders searched for <cs_CZ|de_DE|en_US>.aff and .dic, in order: the
// "hunspell" folder of the program directory, then the system's.
std::vector<std::string> hunspellFolders(const std::string& programDir);

class HunspellBaseForms final : public BaseForms {
  public:
    explicit HunspellBaseForms(std::vector<std::string> folders);
    ~HunspellBaseForms() override;

    // The irregular forms of the table, then the stems Hunspell gives (each stem
    // followed by its own irregular base forms), the word itself left out. A
    // language's spelling dictionary is loaded at its first word; where none is
    // found, only the table is used.
    const std::vector<std::string>& baseForms(WordLanguage language,
                                              std::string_view word) override;

    // Starts loading language's spelling dictionary on a thread of its own; the
    // first word of that language then waits only for what is not loaded yet.
    void prepare(WordLanguage language) override;
    // Hunspell's suggestions for word (code page 1250), those that fit the code page.
    std::vector<std::string> spellingSuggestions(WordLanguage language,
                                                 std::string_view word) override;

    // Whether the speller gives word (code page 1250) as a stem of itself: a word in its
    // own right, as English "trousers" or "news" is beside "trouser" and "new".
    bool isOwnStem(WordLanguage language, std::string_view word);

    // Whether the speller accepts word (UTF-8) as written; false without a speller.
    bool acceptsUtf8(WordLanguage language, std::string_view utf8);

    // Whether a spelling dictionary of language was found (loading it if needed).
    bool hasSpellingDictionary(WordLanguage language);
    // Forgets the forms worked out so far; the spelling dictionaries stay loaded.
    void forgetKnownWords();

  private:
    struct Language {
        bool loaded = false;
        std::unique_ptr<Hunspell> speller;
        IrregularForms irregular;
        // Each word's base forms, once worked out.
        std::unordered_map<std::string, std::vector<std::string>> known;
        // A load in the background. Until it is collected, only its thread touches
        // speller and irregular. Last, so that it is waited for before they go.
        std::future<void> loading;
    };
    Language* load(WordLanguage language);
    void read(Language& l, size_t index) const;
    void stems(Language& l, std::string_view word, std::vector<std::string>& out) const;
    static void addReflexive(std::vector<std::string>& out);

    std::vector<std::string> folders_;
    std::array<Language, 3> languages_;
};

}  // namespace lexavo
