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

bool isPlaceholder(std::string_view word) {
    static constexpr std::string_view kPlaceholders[] = {
        "etw.",      "jdn.",      "jdm.",   "jds.",  "jdn./etw.", "etw./jdn.",
        "jdm./etw.", "etw./jdm.", "sth.",   "sb.",   "sb./sth.",  "sth./sb.",
        "so.",       "sb.'s",     "sth.'s", "one's", "oneself"};
    return std::find(std::begin(kPlaceholders), std::end(kPlaceholders), word) !=
           std::end(kPlaceholders);
}

// Placeholders for an object in a phrase ("etw. nehmen", "to take sth."): the word a
// user looks up is the rest of it ("nehmen", "take"). On the German side one between a
// preposition and the verb stays, since the preposition comes before its object ("auf
// etw. achten", not "auf achten"); a preposition's own line ("für jdn.") is "für".
std::string withoutPlaceholders(const std::string& text, bool german) {
    const std::vector<std::string> words = splitOutsideBrackets(text, " ");
    std::string out;
    for (size_t i = 0; i < words.size(); ++i) {
        const bool object =
            german && i > 0 && i + 1 < words.size() && isGermanPreposition(words[i - 1]);
        if (isPlaceholder(words[i]) && !object) continue;
        if (!out.empty()) out.push_back(' ');
        out += words[i];
    }
    return out;
}

bool isGermanArticle(std::string_view word) {
    static constexpr std::string_view kArticles[] = {"ein", "eine", "einer", "einen", "einem",
                                                     "der", "die",  "das",   "den",   "dem"};
    return std::find(std::begin(kArticles), std::end(kArticles), word) != std::end(kArticles);
}

bool startsCapitalised(std::string_view word) {
    if (word.empty()) return false;
    if (word[0] >= 'A' && word[0] <= 'Z') return true;
    // Ä, Ö, Ü in UTF-8
    return word.starts_with("\xC3\x84") || word.starts_with("\xC3\x96") ||
           word.starts_with("\xC3\x9C");
}

}  // namespace

std::string bareGermanVerb(const std::string& phrase) {
    const std::vector<std::string> words = splitOutsideBrackets(phrase, " ");
    if (words.size() < 2) return {};
    const std::string& verb = words.back();
    if (startsCapitalised(verb) || !verb.ends_with('n') || verb.find('/') != std::string::npos)
        return {};
    size_t i = 0;
    if (words.size() > 2 && isGermanArticle(words[0]) && startsCapitalised(words[1])) i = 2;
    for (; i + 1 < words.size(); ++i) {
        if (words[i] == "sich" || isPlaceholder(words[i])) continue;
        if (isGermanPreposition(words[i]) && i + 2 < words.size() && isPlaceholder(words[i + 1])) {
            ++i;
            continue;
        }
        return {};
    }
    return verb;
}

namespace {

// An English verb phrase with an object of its own ("milk an animal") translates the
// German verb of a phrase with that object ("ein Tier melken") by its verb.
std::string withoutEnglishObject(const std::string& text) {
    const size_t space = text.find(' ');
    if (space == std::string::npos) return text;
    const std::string_view rest = std::string_view(text).substr(space + 1);
    for (std::string_view article : {"a ", "an ", "the "}) {
        if (rest.starts_with(article)) return text.substr(0, space);
    }
    return text;
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

Status readDing(const std::string& path, Lexicon& lexicon) {
    DingLine parsed;
    Lexicon phraseVerbs;  // the verbs of phrases, by their bare infinitive
    const Status read = forEachLine(path, [&](std::string& line) {
        if (!parseDingLine(line, parsed)) return true;
        const double lineScore = std::log(static_cast<double>(std::max<size_t>(1, parsed.groups)));
        for (size_t i = 0; i < parsed.left.size(); ++i) {
            const DingWord& l = parsed.left[i];
            const std::string bare =
                l.pos.starts_with('v') ? bareGermanVerb(l.text) : std::string();
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
                if (!bare.empty()) {
                    Sense verb = s;
                    verb.text = withoutEnglishObject(s.text);
                    phraseVerbs.add(bare, std::move(verb));
                }
                lexicon.add(l.text, std::move(s));
            }
        }
        return true;
    });
    // A verb Ding gives only inside phrases ("sich erholen", "ein Tier melken") is looked
    // up by itself.
    for (Headword& v : phraseVerbs.headwords()) {
        if (lexicon.find(v.text) != nullptr) continue;
        for (Sense& s : v.senses) {
            s.phrase = true;
            lexicon.add(v.text, std::move(s));
        }
    }
    return read;
}

void keepOwnSensesOfPhraseVerbs(Lexicon& lexicon) {
    for (Headword& h : lexicon.headwords()) {
        const auto phrase = [](const Sense& s) { return s.phrase; };
        if (std::any_of(h.senses.begin(), h.senses.end(), phrase) &&
            !std::all_of(h.senses.begin(), h.senses.end(), phrase)) {
            std::erase_if(h.senses, phrase);
        }
    }
}

}  // namespace lexavo::mkdict
