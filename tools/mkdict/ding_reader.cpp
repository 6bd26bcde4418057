#include "ding_reader.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "line_reader.h"
#include "text_rules.h"

namespace lexavo::mkdict {

namespace {

void readGrammar(std::string_view text, DingWord& word) {
    size_t pos = 0;
    while ((pos = text.find('{', pos)) != std::string_view::npos) {
        const size_t close = text.find('}', pos);
        if (close == std::string_view::npos) break;
        const std::string_view tag = text.substr(pos + 1, close - pos - 1);
        if (tag == "m" || tag == "f" || tag == "n" || tag == "m,n" || tag == "m,f" ||
            tag == "f,n" || tag == "n,m" || tag == "f,m" || tag == "n,f") {
            // "{m,n}": either gender; the first is taken.
            word.pos = "n";
            if (word.gender == Gender::kNone) word.gender = static_cast<Gender>(tag[0]);
        } else if (tag == "pl") {
            // A plural is a noun's: "Schreie {pl}" is no verb ("screams": "křičí").
            word.plural = true;
            if (word.pos.empty()) word.pos = "n";
        } else if (word.pos.empty() && tag != "sing") {
            word.pos = std::string(tag);
        }
        pos = close + 1;
    }
}

// Ding writes abbreviations between slashes after a word ("road /Rd/", "Straße /Str./");
// they are not part of it.
std::string withoutAbbreviations(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '/' && (i == 0 || text[i - 1] == ' ')) {
            const size_t close = text.find('/', i + 1);
            if (close != std::string::npos && close > i + 1 && text.find(' ', i + 1) > close &&
                (close + 1 == text.size() || text[close + 1] == ' ')) {
                i = close;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return normalizeSpace(out);
}

// Placeholders for an object in a phrase ("etw. nehmen", "to take sth."): the word a
// user looks up is the rest of it ("nehmen", "take"). On the German side one between a
// preposition and the verb stays, since the preposition comes before its object ("auf
// etw. achten", not "auf achten"); a preposition's own line ("für jdn.") is "für".
std::string withoutPlaceholders(const std::string& text, bool german) {
    static const char* const kPlaceholders[] = {
        "etw.",      "jdn.",      "jdm.",   "jds.",  "jdn./etw.", "etw./jdn.",
        "jdm./etw.", "etw./jdm.", "sth.",   "sb.",   "sb./sth.",  "sth./sb.",
        "so.",       "sb.'s",     "sth.'s", "one's", "oneself"};
    const std::vector<std::string> words = splitOutsideBrackets(text, " ");
    std::string out;
    for (size_t i = 0; i < words.size(); ++i) {
        bool placeholder = false;
        for (const char* p : kPlaceholders) placeholder = placeholder || words[i] == p;
        const bool object =
            german && i > 0 && i + 1 < words.size() && isGermanPreposition(words[i - 1]);
        if (placeholder && !object) continue;
        if (!out.empty()) out.push_back(' ');
        out += words[i];
    }
    return out;
}

std::vector<DingWord> firstGroupWords(std::string_view side, bool german) {
    const std::vector<std::string> groups = splitOutsideBrackets(side, " | ");
    std::vector<DingWord> words;
    if (groups.empty()) return words;
    for (const std::string& alt : splitOutsideBrackets(groups[0], "; ")) {
        DingWord w;
        readGrammar(alt, w);
        const std::string plain = withoutNotes(withoutAbbreviations(alt));
        w.text = withoutPlaceholders(plain, german);
        w.marked = hasUsageLabel(alt);
        // A qualified noun ("(grobes) Leinen {f}" for canvas, "jds. Spezialgebiet {f}")
        // is a phrase: its gender and sense are not the bare word's.
        if (w.gender != Gender::kNone && (alt.starts_with("(") || w.text != plain)) {
            w.gender = Gender::kNone;
            w.marked = true;
        }
        if (!w.text.empty()) words.push_back(std::move(w));
    }
    // A word class written once after the last alternative applies to all of them.
    if (!words.empty() && !words.back().pos.empty()) {
        for (DingWord& w : words) {
            if (w.pos.empty()) w.pos = words.back().pos;
        }
    }
    return words;
}

}  // namespace

bool parseDingLine(std::string_view line, DingLine& out) {
    if (line.empty() || line[0] == '#') return false;
    const size_t sep = line.find(" :: ");
    if (sep == std::string_view::npos) return false;
    out.left = firstGroupWords(line.substr(0, sep), true);
    out.groups = splitOutsideBrackets(line.substr(0, sep), " | ").size();
    out.right = firstGroupWords(line.substr(sep + 4), false);
    for (DingWord& w : out.right) {
        if (w.text.starts_with("to ")) {
            w.text.erase(0, 3);
            if (w.pos.empty()) w.pos = "v";
        }
    }
    return !out.left.empty() && !out.right.empty();
}

bool readDing(const std::string& path, Lexicon& lexicon, std::string& error) {
    DingLine parsed;
    return forEachLine(
        path,
        [&](std::string& line) {
            if (!parseDingLine(line, parsed)) return true;
            const double lineScore =
                std::log(static_cast<double>(std::max<size_t>(1, parsed.groups)));
            for (size_t i = 0; i < parsed.left.size(); ++i) {
                const DingWord& l = parsed.left[i];
                for (const DingWord& r : parsed.right) {
                    Sense s;
                    s.text = r.text;
                    s.pos = l.pos.empty() ? r.pos : l.pos;
                    s.gender = l.gender;
                    s.plural = l.plural;
                    s.score = i == 0 ? lineScore : 0.0;
                    Headword& h = lexicon.entry(l.text);
                    h.prior = std::max(h.prior, s.score);
                    if (l.marked || r.marked) s.score = -1;
                    lexicon.add(l.text, std::move(s));
                }
            }
            return true;
        },
        error);
}

}  // namespace lexavo::mkdict
