#include "support/reference_translator.h"

#include <cstring>
#include <memory>

#include "entry/entry_reader.h"
#include "support/reference_entry_reader.h"
#include "text/cp1250.h"

namespace lexavo {

namespace {

struct ReferenceLookup {
    HomographSlots homographs;
    MeaningTable recordMeanings;
    MeaningTable entryMeanings;
};

}  // namespace

std::string translateTextReference(const DictionaryStore& store, const std::string& programDir,
                                   std::string_view source, FixedTranslations fixed,
                                   TranslationOutcome& outcome) {
    auto lookup = std::make_unique<ReferenceLookup>();
    outcome = {};
    std::string result;
    char word[kWordBytes];
    char asWritten[kWordBytes];
    size_t p = 0;
    while (p < source.size()) {
        std::memset(word, 0, sizeof word);
        std::memset(asWritten, 0, sizeof asWritten);
        size_t n = 0;
        while (n < kWordBytes - 1 && p < source.size() &&
               isWordLetter(static_cast<unsigned char>(source[p]))) {
            word[n] = foldAscii(source[p]);
            asWritten[n] = source[p];
            ++n;
            ++p;
        }
        if (n == 0) {
            result += source[p];
            ++p;
            continue;
        }
        if (p < source.size() && isWordLetter(static_cast<unsigned char>(source[p]))) {
            // A run too long for a word: copy it, up to its end, as it stands.
            result.append(asWritten, n);
            while (p < source.size() && isWordLetter(static_cast<unsigned char>(source[p]))) {
                result += source[p];
                ++p;
            }
            continue;
        }
        // translateWord
        CollectStatus status =
            collectEntryMeaningsReference(store, programDir, word, lookup->homographs,
                                          lookup->recordMeanings, lookup->entryMeanings);
        bool foundLower =
            status == CollectStatus::kEntryFileMissing || lookup->homographs.count > 0;
        if (!foundLower && std::strcmp(word, asWritten) != 0) {
            status = collectEntryMeaningsReference(store, programDir, asWritten, lookup->homographs,
                                                   lookup->recordMeanings, lookup->entryMeanings);
        }
        if (status == CollectStatus::kEntryFileMissing) {
            outcome.entryFileMissing = true;
        } else if (lookup->homographs.count == 0) {
            result += asWritten;
        } else if (foundLower && !fixedTranslation(fixed, word).empty()) {
            result += fixedTranslation(fixed, word);
        } else {
            result += lookup->entryMeanings.at(0);
        }
    }
    return result;
}

}  // namespace lexavo
