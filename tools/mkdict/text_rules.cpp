#include "text_rules.h"

#include <algorithm>
#include <iterator>

#include "text/cp1250.h"

namespace lexavo::mkdict {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

int bracketDelta(char c) {
    switch (c) {
        case '(':
        case '[':
        case '{':
        case '<':
            return 1;
        case ')':
        case ']':
        case '}':
        case '>':
            return -1;
        default:
            return 0;
    }
}

// utf8ToCp1250 writes '?' for a character the code page lacks; more '?' in the result
// than in the source means something was lost.
bool lostCharacters(std::string_view utf8, std::string_view cp1250) {
    auto count = [](std::string_view t) { return std::count(t.begin(), t.end(), '?'); };
    return count(cp1250) != count(utf8);
}

bool isTrailingPunctuation(char c) {
    return c == ',' || c == ';' || c == ':' || c == '-' || c == '/' || c == ' ';
}

// Typographic code points and what stands for them; an empty replacement removes
// the character.
struct Typographic {
    char32_t code;
    const char* replacement;
};
constexpr Typographic kTypographic[] = {
    {0x2010, "-"},        {0x2011, "-"},        {0x2012, "-"}, {0x2043, "-"},
    {0x2212, "-"},        {0xFE63, "-"},        {0xFF0D, "-"}, {0x2015, "\xE2\x80\x94"},
    {0x2007, "\xC2\xA0"}, {0x202F, "\xC2\xA0"}, {0x2002, " "}, {0x2003, " "},
    {0x2004, " "},        {0x2005, " "},        {0x2006, " "}, {0x2008, " "},
    {0x2009, " "},        {0x200A, " "},        {0x205F, " "}, {0x3000, " "},
    {0x200B, ""},         {0x200C, ""},         {0x200D, ""},  {0x2060, ""},
    {0xFEFF, ""},
};

// Decodes the UTF-8 sequence at `i` of a lead byte 0xE0-0xEF (every code point of the
// table is three bytes long); 0 when it is not one.
char32_t threeByteCode(std::string_view text, size_t i) {
    if (i + 2 >= text.size()) return 0;
    const auto b0 = static_cast<unsigned char>(text[i]);
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    const auto b2 = static_cast<unsigned char>(text[i + 2]);
    if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) return 0;
    return (char32_t{b0} & 0x0F) << 12 | (char32_t{b1} & 0x3F) << 6 | (char32_t{b2} & 0x3F);
}

}  // namespace

std::string typographicToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char32_t code = threeByteCode(utf8, i);
        const Typographic* match = nullptr;
        for (const Typographic& t : kTypographic) {
            if (code != 0 && t.code == code) match = &t;
        }
        if (match == nullptr) {
            out.push_back(utf8[i]);
            continue;
        }
        out += match->replacement;
        i += 2;
    }
    return out;
}

std::string normalizeSpace(std::string_view text) {
    std::string out;
    bool pendingSpace = false;
    for (char c : text) {
        if (isSpace(c)) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace) out.push_back(' ');
        pendingSpace = false;
        out.push_back(c);
    }
    return out;
}

std::string withoutNotes(std::string_view text) {
    std::string out;
    int depth = 0;
    for (char c : text) {
        const int d = bracketDelta(c);
        if (d > 0) {
            ++depth;
        } else if (d < 0) {
            if (depth > 0) --depth;
        } else if (depth == 0) {
            out.push_back(c);
        }
    }
    out = normalizeSpace(out);
    // A note between a word and a comma leaves "word , next".
    std::string tidy;
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i] == ' ' && i + 1 < out.size() && (out[i + 1] == ',' || out[i + 1] == ';')) {
            continue;
        }
        tidy.push_back(out[i]);
    }
    while (!tidy.empty() && isTrailingPunctuation(tidy.back())) tidy.pop_back();
    while (!tidy.empty() && (tidy.front() == ',' || tidy.front() == ';' || tidy.front() == ' ')) {
        tidy.erase(tidy.begin());
    }
    return tidy;
}

bool hasNotes(std::string_view text) {
    for (char c : text) {
        if (bracketDelta(c) != 0) return true;
    }
    return false;
}

std::vector<std::string> splitOutsideBrackets(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const int d = bracketDelta(text[i]);
        if (d > 0) ++depth;
        if (d < 0 && depth > 0) --depth;
        if (depth == 0 && text.substr(i, separator.size()) == separator) {
            parts.push_back(normalizeSpace(text.substr(start, i - start)));
            i += separator.size() - 1;
            start = i + 1;
        }
    }
    parts.push_back(normalizeSpace(text.substr(start)));
    std::erase_if(parts, [](const std::string& p) { return p.empty(); });
    return parts;
}

bool cutAtSenseBoundary(std::string& text, size_t limit) {
    if (text.size() <= limit) return true;
    size_t cut = std::string::npos;
    for (size_t i = std::min(limit, text.size() - 1) + 1; i-- > 0;) {
        if (text[i] == ',' || text[i] == ';') {
            cut = i;
            break;
        }
    }
    if (cut == std::string::npos || cut == 0) return false;
    text.resize(cut);
    while (!text.empty() && isTrailingPunctuation(text.back())) text.pop_back();
    return !text.empty();
}

FitResult fitMeaning(std::string_view source, std::string& out) {
    const std::string utf8 = typographicToCp1250(source);
    const std::string normalized = normalizeSpace(utf8);
    std::string text = utf8ToCp1250(normalized);
    if (text.empty()) return FitResult::kEmpty;
    if (hasForbiddenTextBytes(text) || lostCharacters(normalized, text))
        return FitResult::kBadBytes;
    if (text.size() <= kMaxMeaningBytes) {
        out = std::move(text);
        return FitResult::kFits;
    }
    text = utf8ToCp1250(withoutNotes(utf8));
    if (text.empty()) return FitResult::kEmpty;
    // A phrase is never cut in its middle: only whole senses of a list ("a, b; c") are
    // left out from its end.
    if (!cutAtSenseBoundary(text, kMaxMeaningBytes)) return FitResult::kTooLong;
    out = std::move(text);
    return FitResult::kShortened;
}

FitResult fitHeadword(std::string_view source, std::string& out) {
    std::string normalized = normalizeSpace(typographicToCp1250(source));
    // Quotes around a headword ("'round", "\"hodina H\"") are not typed by a user.
    auto isQuote = [](char c) { return c == '"' || c == '\''; };
    while (!normalized.empty() && isQuote(normalized.front())) normalized.erase(0, 1);
    while (!normalized.empty() && isQuote(normalized.back())) normalized.pop_back();
    normalized = normalizeSpace(normalized);
    std::string text = utf8ToCp1250(normalized);
    if (text.empty()) return FitResult::kEmpty;
    if (hasForbiddenTextBytes(text) || lostCharacters(normalized, text))
        return FitResult::kBadBytes;
    if (text.size() > kMaxHeadwordBytes) return FitResult::kTooLong;
    out = std::move(text);
    return FitResult::kFits;
}

std::string withoutLeadingLabel(std::string_view text) {
    const std::string t = normalizeSpace(text);
    if (!t.starts_with('[')) return t;
    const size_t close = t.find(']');
    if (close == std::string::npos) return t;
    const std::string rest = normalizeSpace(std::string_view(t).substr(close + 1));
    return rest.empty() ? t : rest;
}

bool hasUsageLabel(std::string_view text) {
    static const char* const kLabels[] = {
        "[slang]",  "[vulg.]",   "[humor.]", "[pej.]",    "[übtr.]",   "[fig.]",  "[veraltet]",
        "[obs.]",   "[alt]",     "[old]",    "[selten]",  "[rare]",    "[poet.]", "[derb]",
        "[Jargon]", "[euphem.]", "[iron.]",  "[dialect]", "[Dialekt]", "[hist.]", "[archaic]"};
    for (const char* label : kLabels) {
        if (text.find(label) != std::string_view::npos) return true;
    }
    return false;
}

bool isGermanPreposition(std::string_view word) {
    static constexpr std::string_view kPrepositions[] = {
        "als",       "an",     "auf", "aus", "bei",   "bis",   "durch",   "für",  "gegen",
        "gegenüber", "hinter", "in",  "mit", "nach",  "neben", "ohne",    "seit", "über",
        "um",        "unter",  "von", "vor", "wegen", "zu",    "zwischen"};
    return std::find(std::begin(kPrepositions), std::end(kPrepositions), word) !=
           std::end(kPrepositions);
}

}  // namespace lexavo::mkdict
