#pragma once
// The translator's plain algorithm, kept as the reference that the fast path is
// compared with (differential tests, benchmarks): the text is walked byte by byte,
// the letters of a word are gathered in a 40-byte buffer, and every word is looked
// up by comparing it with every headword and reading the entry file from its start
// (collectEntryMeaningsReference). It follows the same rules as TextTranslator:
// words without a headword are written as they stand, the form as written is tried
// when the small-letter form has no headword, runs of kWordBytes letters or more
// are copied unchanged, and the whole source is translated.

#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"
#include "translator/text_translator.h"

namespace lexavo {

std::string translateTextReference(const DictionaryStore& store, const std::string& programDir,
                                   std::string_view source, FixedTranslations fixed,
                                   TranslationOutcome& outcome);

}  // namespace lexavo
