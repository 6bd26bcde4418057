#include "word_tables.h"

#include <unicode/unistr.h>

#include <fstream>
#include <functional>
#include <limits>

#include "line_reader.h"
#include "text_rules.h"

namespace lexavo::mkdict {

namespace {

// The "word TAB value" lines of a table; a missing file reads as none.
bool readLines(const std::string& path,
               const std::function<bool(const std::string&, const std::string&)>& take) {
    return forEachLine(path,
                       [&](std::string& line) {
                           const size_t tab = line.find('\t');
                           return tab == std::string::npos || tab == 0 ||
                                  take(line.substr(0, tab), line.substr(tab + 1));
                       })
        .ok();
}

// The words of a text without notes, "to " of an English infinitive and punctuation
// around words.
std::vector<std::string> wordsOf(const std::string& text) {
    std::string plain = withoutNotes(text);
    if (plain.starts_with("to ")) plain.erase(0, 3);
    std::vector<std::string> words;
    for (std::string w : splitOutsideBrackets(plain, " ")) {
        while (!w.empty() && std::string_view(",.;:!?\"").find(w.back()) != std::string::npos)
            w.pop_back();
        if (!w.empty()) words.push_back(foldCase(w));
    }
    return words;
}

constexpr double kPhraseDivisor = 1000;

}  // namespace

std::string foldCase(const std::string& utf8) {
    std::string out;
    icu::UnicodeString::fromUTF8(utf8).foldCase().toUTF8String(out);
    return out;
}

char classLetter(const std::string& pos) {
    const std::string tag = pos.substr(0, pos.find(';'));
    if (tag.empty()) return 0;
    if (tag == "n" || tag == "noun" || tag == "m" || tag == "f") return 'n';
    if (tag[0] == 'v') return 'v';  // v, vt, vi, vr, vt/vi
    if (tag == "adj" || tag == "a") return 'a';
    if (tag == "adv") return 'd';
    return 'o';
}

Status WordTable::read(const std::string& prefix) {
    size_t rank = 0;
    const bool ok = readLines(prefix + ".freq", [&](const std::string& w, const std::string& v) {
        char* end = nullptr;
        const double f = std::strtod(v.c_str(), &end);
        if (end == v.c_str()) return false;
        frequency_.try_emplace(foldCase(w), f, ++rank);
        return true;
    });
    if (!ok || frequency_.empty())
        return Status::failure("cannot read the word table " + prefix + ".freq");
    readLines(prefix + ".pos", [&](const std::string& w, const std::string& tags) {
        std::string letters;
        for (const std::string& t : splitOutsideBrackets(tags, ",")) {
            const char c = classLetter(t);
            if (c != 0 && letters.find(c) == std::string::npos) letters.push_back(c);
        }
        classes_[foldCase(w)] += letters;
        return true;
    });
    readLines(prefix + ".major", [&](const std::string& w, const std::string& tag) {
        const char c = classLetter(tag);
        if (c != 0) major_[foldCase(w)] = c;
        return true;
    });
    return {};
}

char WordTable::majorClass(const std::string& word) const {
    auto it = major_.find(foldCase(word));
    return it == major_.end() ? 0 : it->second;
}

WordTable::Lookup WordTable::lookup(const std::string& text) const {
    const std::vector<std::string> words = wordsOf(text);
    Lookup found;
    found.frequency = frequencyOf(words);
    if (words.size() == 1) {
        auto it = classes_.find(words.front());
        if (it != classes_.end()) found.classes = it->second;
    }
    return found;
}

double WordTable::frequency(const std::string& text) const { return lookup(text).frequency; }

std::string WordTable::classes(const std::string& word) const { return lookup(word).classes; }

double WordTable::frequencyOf(const std::vector<std::string>& folded) const {
    double lowest = std::numeric_limits<double>::infinity();
    int words = 0;
    for (const std::string& w : folded) {
        // A reflexive pronoun is part of the verb ("líbit se", "sich freuen").
        if (w == "se" || w == "si" || w == "sich") continue;
        auto it = frequency_.find(w);
        lowest = std::min(lowest, it == frequency_.end() ? 0.0 : it->second.first);
        ++words;
    }
    if (words == 0) return 0;
    // A phrase is far rarer than its rarest word: "all in" is no common word for tired.
    return words == 1 ? lowest : lowest / kPhraseDivisor;
}

size_t WordTable::rank(const std::string& word) const {
    auto it = frequency_.find(foldCase(withoutNotes(word)));
    return it == frequency_.end() ? 0 : it->second.second;
}

}  // namespace lexavo::mkdict
