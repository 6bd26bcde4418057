#pragma once
// The word-by-word text translator: every word of a text is replaced by the first
// meaning of its entry in the loaded dictionary, and everything between the words
// is copied unchanged.
//
// It works through two fixed buffers of kTranslationBufferBytes: the source holds at
// most kMaxSourceChars characters, the result at most one byte less than its buffer.
// A longer source is translated in consecutive pieces cut between words, and a
// result that fills its buffer is handed on and the buffer reused, so the whole text
// is always translated and nothing of the result is lost or written outside it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/base_forms.h"
#include "dictionary/dictionary_store.h"
#include "entry/entry_reader.h"

namespace lexavo {
class HeadwordIndex;
}

namespace lexavo {

constexpr size_t kTranslationBufferBytes = 85538;
constexpr size_t kMaxSourceChars = 65535;
// The word buffer: a word holds at most kWordBytes - 1 letters. A longer run of
// letters cannot be a headword (those hold at most kMaxHeadwordBytes) and is copied
// to the result as it stands.
constexpr size_t kWordBytes = 40;

// Letters of a word: A-Z, a-z, the apostrophe and every byte from 0x80 up.
constexpr bool isWordLetter(unsigned char b) {
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '\'' || b >= 0x80;
}

// The three common words whose translation is fixed, by direction.
enum class FixedTranslations { kNone, kEnglishIntoCzech, kCzechIntoEnglish };
// The fixed translation of a (small-letter) word, or an empty view.
std::string_view fixedTranslation(FixedTranslations set, std::string_view word);

// The language box's items: -1 none, 0 English, 1 German.
constexpr int kLanguageNone = -1;
constexpr int kLanguageEnglish = 0;
constexpr int kLanguageGerman = 1;

// One row of the direction table: the title of the dictionary to load (empty when
// no language is chosen: no dictionary has that title) and the fixed translations.
struct TranslationDirection {
    std::string_view wantedTitle;
    FixedTranslations fixed;
};
// languageItem is the language box's selection; fromCzech tells that the source is
// the Czech tab's text.
TranslationDirection translationDirection(int languageItem, bool fromCzech);

struct TranslationOutcome {
    // The entry file could not be opened for at least one word; such words gave
    // nothing to the result.
    bool entryFileMissing = false;
    // Words of the source (runs of letters) and those copied unchanged because no
    // headword was found for them.
    size_t words = 0;
    size_t wordsLeft = 0;
    // Words translated through one of their base forms.
    size_t wordsByBaseForm = 0;
};

class TextTranslator {
  public:
    // pieceChars and resultBytes may be lowered (for tests of the piecewise
    // handling); pieceChars is kept at least kWordBytes so that a run of letters
    // too long for one piece is always one too long for a word.
    explicit TextTranslator(size_t pieceChars = kMaxSourceChars,
                            size_t resultBytes = kTranslationBufferBytes);

    // Where a word has no headword as written, its base forms from forms (none when
    // null) are tried in order, in the language of the loaded dictionary's headwords.
    void setBaseForms(BaseForms* forms) { baseForms_ = forms; }
    // The base form the last word translated through one was found by.
    const std::string& lastBaseForm() const { return baseForm_; }

    // Translates source (code page 1250, lines ended by CR LF) with the dictionary
    // loaded in store, reading entries through reader, and writes the whole result
    // into result (which is replaced).
    TranslationOutcome translate(const DictionaryStore& store, EntryReader& reader,
                                 std::string_view source, FixedTranslations fixed,
                                 std::string& result);

  private:
    // One piece of the source, already copied into translationSource_.
    void translatePiece(size_t length, bool continuesRun);
    void translateWord(const char* letters, size_t n);
    // The slot of the first base form of the word that is a headword, or -1.
    int32_t findByBaseForm(std::string_view word);
    // The first meaning of the highest of slots, read once per run.
    void appendFirstMeaning(const uint32_t* slots, size_t found);
    // The target language's "not" when the base form just found (baseForm_) drops
    // the negative prefix of the Czech word lower, otherwise an empty view.
    std::string_view negationDropped(std::string_view lower) const;
    // Appends to translationResult_, handing a full buffer on to the output first.
    void append(const char* bytes, size_t n);
    void flushResult();
    // The length of the next piece of rest: all of it when it fits, otherwise cut
    // at the last boundary of a word; continues tells whether the cut had to split
    // a run of letters.
    size_t pieceLength(std::string_view rest, bool& splitsRun) const;

    const size_t pieceChars_;
    const size_t resultBytes_;
    std::unique_ptr<char[]> translationSource_;
    std::unique_ptr<char[]> translationResult_;
    size_t resultLength_ = 0;
    char word_[kWordBytes] = {};

    // The run being translated.
    const DictionaryStore* store_ = nullptr;
    const HeadwordIndex* index_ = nullptr;
    EntryReader* reader_ = nullptr;
    FixedTranslations fixed_ = FixedTranslations::kNone;
    BaseForms* baseForms_ = nullptr;
    WordLanguage language_ = WordLanguage::kNone;
    std::string baseForm_;
    std::string_view negationWord_;
    std::string* output_ = nullptr;
    TranslationOutcome outcome_;
    // The entry file is looked at once per run, at the first word found.
    bool fileChecked_ = false;
    bool fileMissing_ = false;
    // The first meanings read in this run, by slot: memo_[s] is one past the offset
    // in memoText_ of the meaning's length byte, followed by the meaning, or 0 when
    // slot s was not read yet. Within a run
    // neither the store nor the entry file changes, so a slot's meaning is read once.
    std::vector<uint32_t> memo_;
    std::string memoText_;
};

}  // namespace lexavo
