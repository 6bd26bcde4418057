#include "translator/text_translator.h"

#include <algorithm>
#include <cstring>

#include "dictionary/formats.h"
#include "dictionary/headword_index.h"
#include "text/cp1250.h"

namespace lexavo {

namespace {

struct FixedWord {
    FixedTranslations set;
    const char* word;
    const char* translation;
};

constexpr FixedWord kFixedWords[] = {
    {FixedTranslations::kEnglishIntoCzech, "is", "je"},
    {FixedTranslations::kEnglishIntoCzech, "and", "a"},
    {FixedTranslations::kEnglishIntoCzech, "hello", "ahoj"},
    {FixedTranslations::kCzechIntoEnglish, "je", "is"},
    {FixedTranslations::kCzechIntoEnglish, "a", "and"},
    {FixedTranslations::kCzechIntoEnglish, "ahoj", "hello"},
};

}  // namespace

std::string_view fixedTranslation(FixedTranslations set, std::string_view word) {
    for (const auto& f : kFixedWords) {
        if (f.set == set && word == f.word) return f.translation;
    }
    return {};
}

TranslationDirection translationDirection(int languageItem, bool fromCzech) {
    switch (languageItem) {
        case kLanguageEnglish:
            return fromCzech ? TranslationDirection{kTitleCzechEnglish,
                                                    FixedTranslations::kCzechIntoEnglish}
                             : TranslationDirection{kTitleEnglishCzech,
                                                    FixedTranslations::kEnglishIntoCzech};
        case kLanguageGerman:
            return {fromCzech ? kTitleCzechGerman : kTitleGermanCzech, FixedTranslations::kNone};
        default:
            return {std::string_view(), FixedTranslations::kNone};
    }
}

TextTranslator::TextTranslator(size_t pieceChars, size_t resultBytes)
    : pieceChars_(std::clamp(pieceChars, kWordBytes, kMaxSourceChars)),
      resultBytes_(std::clamp(resultBytes, size_t{2}, kTranslationBufferBytes)),
      translationSource_(new char[kTranslationBufferBytes]()),
      translationResult_(new char[kTranslationBufferBytes]()) {}

size_t TextTranslator::pieceLength(std::string_view rest, bool& splitsRun) const {
    splitsRun = false;
    if (rest.size() <= pieceChars_) return rest.size();
    auto letter = [&](size_t i) { return isWordLetter(static_cast<unsigned char>(rest[i])); };
    size_t cut = pieceChars_;
    while (cut > 0 && letter(cut - 1) && letter(cut)) --cut;
    if (cut > 0) return cut;
    // The whole piece is one run of letters, longer than any word.
    splitsRun = true;
    return pieceChars_;
}

TranslationOutcome TextTranslator::translate(const DictionaryStore& store, EntryReader& reader,
                                             std::string_view source, FixedTranslations fixed,
                                             std::string& result) {
    store_ = &store;
    index_ = &store.exactIndex();
    fileChecked_ = false;
    fileMissing_ = false;
    memo_.assign(store.headwordCount(), 0);
    memoText_.clear();
    reader_ = &reader;
    fixed_ = fixed;
    language_ = headwordLanguage(store.dictInfo().title());
    negationWord_ = store.dictInfo().title() == kTitleCzechEnglish  ? std::string_view("not")
                    : store.dictInfo().title() == kTitleCzechGerman ? std::string_view("nicht")
                                                                    : std::string_view();
    output_ = &result;
    outcome_ = {};
    result.clear();
    std::memset(translationResult_.get(), 0, resultBytes_);
    resultLength_ = 0;

    bool continuesRun = false;
    while (!source.empty()) {
        bool splitsRun = false;
        const size_t n = pieceLength(source, splitsRun);
        std::memset(translationSource_.get(), 0, pieceChars_ + 1);
        if (n != 0) std::memcpy(translationSource_.get(), source.data(), n);
        translatePiece(n, continuesRun);
        continuesRun = splitsRun;
        source.remove_prefix(n);
    }
    flushResult();
    output_ = nullptr;
    return outcome_;
}

void TextTranslator::translatePiece(size_t length, bool continuesRun) {
    const char* text = translationSource_.get();
    size_t p = 0;
    while (p < length) {
        if (!isWordLetter(static_cast<unsigned char>(text[p]))) {
            append(text + p, 1);
            ++p;
            continue;
        }
        size_t end = p;
        while (end < length && isWordLetter(static_cast<unsigned char>(text[end]))) ++end;
        const size_t n = end - p;
        // The rest of a run that began in the previous piece is long by definition.
        if (continuesRun && p == 0) {
            append(text + p, n);
        } else if (n >= kWordBytes) {
            ++outcome_.words;
            ++outcome_.wordsLeft;
            append(text + p, n);
        } else {
            ++outcome_.words;
            translateWord(text + p, n);
        }
        p = end;
    }
}

void TextTranslator::translateWord(const char* letters, size_t n) {
    std::memset(word_, 0, kWordBytes);
    for (size_t i = 0; i < n; ++i) word_[i] = foldAscii(letters[i]);
    const std::string_view lower(word_, n);
    const std::string_view asWritten(letters, n);

    // The translation is the first meaning of the highest homograph, which comes
    // from that homograph's record alone; the lower ones need not be read.
    constexpr size_t kSlotsRead = 1;
    uint32_t slots[kSlotsRead];
    size_t found = index_->find(*store_, lower, slots, kSlotsRead);
    const bool foundLower = found > 0;
    // Capitalised headwords (German nouns, names) are found in the form they have
    // in the text.
    if (!foundLower && asWritten != lower) {
        found = index_->find(*store_, asWritten, slots, kSlotsRead);
    }
    // A Czech word whose base form drops its negative prefix ("nepomáhají" ->
    // "pomáhat") keeps the negation in the translation ("not help").
    std::string_view negation;
    if (found == 0) {
        const int32_t slot = findByBaseForm(asWritten);
        if (slot >= 0) {
            slots[0] = static_cast<uint32_t>(slot);
            found = 1;
            ++outcome_.wordsByBaseForm;
            negation = negationDropped(lower);
        }
    }
    if (found == 0) {
        ++outcome_.wordsLeft;
        append(letters, n);
        return;
    }
    if (!fileChecked_) {
        fileMissing_ = reader_->checkEntryFile(*store_) == CollectStatus::kEntryFileMissing;
        fileChecked_ = true;
    }
    if (fileMissing_) {
        outcome_.entryFileMissing = true;
        return;
    }
    const std::string_view fixed =
        foundLower ? fixedTranslation(fixed_, lower) : std::string_view();
    if (!fixed.empty()) {
        append(fixed.data(), fixed.size());
        return;
    }
    if (!negation.empty()) {
        append(negation.data(), negation.size());
        append(" ", 1);
    }
    appendFirstMeaning(slots, found);
}

void TextTranslator::appendFirstMeaning(const uint32_t* slots, size_t found) {
    uint32_t& memo = memo_[slots[0]];
    if (memo == 0) {
        reader_->collectCheckedSlots(*store_, slots, found);
        memo = static_cast<uint32_t>(memoText_.size()) + 1;
        // A meaning holds at most kMaxMeaningBytes bytes: its length fits in the byte
        // before it.
        const std::string_view meaning = reader_->entryMeanings.at(0);
        memoText_.push_back(static_cast<char>(meaning.size()));
        memoText_.append(meaning);
    }
    const char* stored = memoText_.data() + memo - 1;
    append(stored + 1, static_cast<unsigned char>(stored[0]));
}

std::string_view TextTranslator::negationDropped(std::string_view lower) const {
    if (negationWord_.empty()) return {};
    // "ne" begins a negated Czech word; "nej" a superlative ("nejlepší").
    const bool negated = lower.starts_with("ne") && !lower.starts_with("nej");
    return negated && !foldAscii(baseForm_).starts_with("ne") ? negationWord_ : std::string_view();
}

int32_t TextTranslator::findByBaseForm(std::string_view word) {
    if (baseForms_ == nullptr) return -1;
    return findBaseFormHeadword(
        *baseForms_, language_, word,
        // A form with capitals ("Kind") is found as it is or in small letters.
        [this](std::string_view form) {
            uint32_t slot;
            if (index_->find(*store_, form, &slot, 1) > 0) return static_cast<int32_t>(slot);
            const std::string folded = foldAscii(form);
            if (folded != form && index_->find(*store_, folded, &slot, 1) > 0)
                return static_cast<int32_t>(slot);
            return int32_t{-1};
        },
        baseForm_);
}

void TextTranslator::append(const char* bytes, size_t n) {
    // The buffer keeps its last byte for the terminator.
    const size_t capacity = resultBytes_ - 1;
    while (n > 0) {
        if (resultLength_ == capacity) flushResult();
        const size_t take = std::min(n, capacity - resultLength_);
        std::memcpy(translationResult_.get() + resultLength_, bytes, take);
        resultLength_ += take;
        translationResult_[resultLength_] = 0;
        bytes += take;
        n -= take;
    }
}

void TextTranslator::flushResult() {
    output_->append(translationResult_.get(), resultLength_);
    std::memset(translationResult_.get(), 0, resultLength_ + 1);
    resultLength_ = 0;
}

}  // namespace lexavo
