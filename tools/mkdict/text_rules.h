#pragma once
// Text rules of the compiler: notes in brackets, splitting lists of translations, and
// fitting a headword or a meaning into the program's byte limits.

#include <string>
#include <string_view>
#include <vector>

// The byte limits (kMaxHeadwordBytes, kMaxMeaningBytes, ...) are the program's own.
#include "dictionary/dictionary_store.h"
#include "dictionary/formats.h"

namespace lexavo::mkdict {

// Replaces typographic characters that code page 1250 lacks by the ones it has for
// them: hyphens, figure dash, minus and small or full-width hyphen-minus become '-',
// horizontal bar becomes an em dash, narrow and figure no-break spaces become U+00A0,
// other width spaces a blank, and zero-width spaces and joiners are removed. Every
// other character is kept.
std::string typographicToCp1250(std::string_view utf8);

// Collapses runs of blanks (and tabs, line breaks) to one blank and trims both ends.
std::string normalizeSpace(std::string_view text);

// Removes notes: text in (), [], {} and <> with the brackets, then normalizes blanks.
std::string withoutNotes(std::string_view text);

// True when the text holds a bracketed note.
bool hasNotes(std::string_view text);

// Splits at `separator` where no bracket is open; parts are normalized, empty ones
// dropped.
std::vector<std::string> splitOutsideBrackets(std::string_view text, std::string_view separator);

// Why a text could not be used as it stands.
enum class FitResult {
    kFits,       // unchanged
    kShortened,  // notes dropped and/or cut at a word boundary
    kEmpty,      // nothing left
    kBadBytes,   // holds a byte the files cannot store (after conversion)
    kTooLong,    // no word boundary within the limit
};

// Converts a UTF-8 meaning (after typographicToCp1250) to code page 1250 and fits it into
// kMaxMeaningBytes: if it is too long its notes are dropped first, then the senses of a
// list that do not fit are left out from its end ("a, b, c" -> "a, b"); a single phrase
// too long for the limit is not used (kTooLong), never cut inside.
FitResult fitMeaning(std::string_view utf8, std::string& out);

// Converts a UTF-8 headword (after typographicToCp1250) to code page 1250, without quotes around
// it; headwords are never shortened, since a shortened headword would name a different word.
FitResult fitHeadword(std::string_view utf8, std::string& out);

// Cuts a code page 1250 list of senses to at most `limit` bytes before a ',' or ';';
// false when the first sense alone is longer.
bool cutAtSenseBoundary(std::string& text, size_t limit);

// The text without a leading label in square brackets ("[mat] hladký" -> "hladký");
// the text itself when it has none.
std::string withoutLeadingLabel(std::string_view text);

// A German preposition ("auf", "für", "gegen"), or "als", which stands before an object
// as one does ("jdn. als etw. betrachten").
bool isGermanPreposition(std::string_view word);

// True when the text holds a usage label that marks a sense as not the word's plain one:
// slang, colloquial, vulgar, figurative, dated, rare, poetic ("[slang]", "[ugs.]", ...).
bool hasUsageLabel(std::string_view text);

}  // namespace lexavo::mkdict
