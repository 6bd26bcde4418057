#include "text_rules.h"

#include <algorithm>

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

}  // namespace

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

bool isForbiddenByte(unsigned char b) {
    return b == 0x00 || b == 0xFB || b == 0xFF || b == 0x03 || b == 0x04;
}

bool hasForbiddenBytes(std::string_view cp1250) {
    for (char c : cp1250) {
        if (isForbiddenByte(static_cast<unsigned char>(c))) return true;
    }
    return false;
}

bool cutAtWordBoundary(std::string& text, size_t limit) {
    if (text.size() <= limit) return true;
    // The cut may fall on a blank at position `limit` (the word before it is whole).
    size_t cut = std::string::npos;
    for (size_t i = limit + 1; i-- > 0;) {
        if (text[i] == ' ') {
            cut = i;
            break;
        }
    }
    if (cut == std::string::npos || cut == 0) return false;
    text.resize(cut);
    while (!text.empty() && isTrailingPunctuation(text.back())) text.pop_back();
    return !text.empty();
}

FitResult fitMeaning(std::string_view utf8, std::string& out) {
    const std::string normalized = normalizeSpace(utf8);
    std::string text = utf8ToCp1250(normalized);
    if (text.empty()) return FitResult::kEmpty;
    if (hasForbiddenBytes(text) || lostCharacters(normalized, text)) return FitResult::kBadBytes;
    if (text.size() <= kMaxMeaningBytes) {
        out = std::move(text);
        return FitResult::kFits;
    }
    text = utf8ToCp1250(withoutNotes(utf8));
    if (text.empty()) return FitResult::kEmpty;
    if (!cutAtWordBoundary(text, kMaxMeaningBytes)) return FitResult::kTooLong;
    out = std::move(text);
    return FitResult::kShortened;
}

FitResult fitHeadword(std::string_view utf8, std::string& out) {
    std::string normalized = normalizeSpace(utf8);
    // Quotes around a headword ("'round", "\"hodina H\"") are not typed by a user.
    auto isQuote = [](char c) { return c == '"' || c == '\''; };
    while (!normalized.empty() && isQuote(normalized.front())) normalized.erase(0, 1);
    while (!normalized.empty() && isQuote(normalized.back())) normalized.pop_back();
    normalized = normalizeSpace(normalized);
    std::string text = utf8ToCp1250(normalized);
    if (text.empty()) return FitResult::kEmpty;
    if (hasForbiddenBytes(text) || lostCharacters(normalized, text)) return FitResult::kBadBytes;
    if (text.size() > kMaxHeadwordBytes) return FitResult::kTooLong;
    out = std::move(text);
    return FitResult::kFits;
}

}  // namespace lexavo::mkdict
