#include "score.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <unordered_map>

#include "dictionary/formats.h"
#include "set_reader.h"
#include "text/cp1250.h"
#include "text_rules.h"

namespace lexavo::mkdict {

namespace {

std::string comparable(std::string text) {
    text = foldAscii(withoutNotes(text));
    for (const char* article : {"der ", "die ", "das "}) {
        if (text.starts_with(article)) text.erase(0, 4);
    }
    return text;
}

}  // namespace

bool scoreFirstMeanings(const std::string& dir, const std::string& stem,
                        const std::string& listPath, bool verbose, std::ostream& out, Score& score,
                        std::string& error) {
    LoadedSet set;
    if (!readSetBack(dir, stem, set, error)) return false;
    std::ifstream list(listPath);
    if (!list) {
        error = "cannot open " + listPath;
        return false;
    }
    std::unordered_map<std::string, size_t> slotOf;
    for (size_t s = set.headwords.size(); s-- > 0;) slotOf.try_emplace(set.headwords[s], s);
    const bool joinArticles = set.info.direction() == kDirectionCzechGerman;

    std::string line;
    while (std::getline(list, line)) {
        if (line.empty() || line[0] == '#') continue;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        const std::string word = line.substr(0, tab);
        ++score.words;
        auto it = slotOf.find(utf8ToCp1250(word));
        if (it == slotOf.end()) {
            if (verbose) out << "  missing: " << word << "\n";
            continue;
        }
        ++score.found;
        std::vector<std::string> meanings = set.entries[it->second];
        if (joinArticles) meanings = joinGermanArticles(std::move(meanings));
        const std::string first = comparable(cp1250ToUtf8(meanings.front()));
        bool hit = false;
        for (const std::string& good : splitOutsideBrackets(line.substr(tab + 1), "|")) {
            if (comparable(good) == first) hit = true;
        }
        if (hit) {
            ++score.hits;
        } else if (verbose) {
            out << "  miss: " << word << " -> " << cp1250ToUtf8(meanings.front()) << "\n";
        }
    }
    out << stem << ": first meaning good for " << score.hits << " of " << score.words
        << " common words (" << score.found << " are headwords)\n";
    return true;
}

bool firstMeanings(const std::string& dir, const std::string& stem,
                   std::vector<std::pair<std::string, std::vector<std::string>>>& out,
                   std::string& error) {
    LoadedSet set;
    if (!readSetBack(dir, stem, set, error)) return false;
    const bool joinArticles = set.info.direction() == kDirectionCzechGerman;
    const bool articleForms = set.info.direction() == kDirectionGermanCzech;
    std::unordered_map<std::string, bool> seen;
    for (size_t s = 0; s < set.headwords.size(); ++s) {
        const std::string& head = set.headwords[s];
        if (set.entries[s].empty()) continue;
        // A letter headword the compiler added as a start slot ("Č" -> "písmeno Č").
        const std::string& first = set.entries[s].front();
        if (head.size() == 1 && set.entries[s].size() == 1 && first.ends_with(" " + head) &&
            std::count(first.begin(), first.end(), ' ') == 1) {
            continue;
        }
        // "Haus das" after "Haus" is the article form of the same entry.
        if (articleForms && s > 0 && isGermanArticleFormOf(head, set.headwords[s - 1])) {
            continue;
        }
        if (!seen.try_emplace(head, true).second) continue;
        std::vector<std::string> meanings = set.entries[s];
        if (joinArticles) meanings = joinGermanArticles(std::move(meanings));
        for (std::string& m : meanings) m = cp1250ToUtf8(m);
        out.emplace_back(cp1250ToUtf8(head), std::move(meanings));
    }
    return true;
}

namespace {

void writeEntry(const std::string& head, const std::vector<std::string>& meanings,
                std::ostream& out) {
    out << head << '\t';
    for (size_t m = 0; m < meanings.size(); ++m) out << (m ? " | " : "") << meanings[m];
    out << '\n';
}

}  // namespace

bool dumpSet(const std::string& dir, const std::string& stem, std::ostream& out,
             std::string& error) {
    std::vector<std::pair<std::string, std::vector<std::string>>> all;
    if (!firstMeanings(dir, stem, all, error)) return false;
    for (const auto& [head, meanings] : all) writeEntry(head, meanings, out);
    return true;
}

bool listCommonest(const std::string& dir, const std::string& stem, const WordTable& words,
                   size_t count, size_t sample, unsigned seed, std::ostream& out,
                   std::string& error) {
    std::vector<std::pair<std::string, std::vector<std::string>>> all;
    if (!firstMeanings(dir, stem, all, error)) return false;
    std::vector<std::pair<size_t, size_t>> ranked;  // rank, index
    for (size_t i = 0; i < all.size(); ++i) {
        const size_t rank = words.rank(all[i].first);
        if (rank != 0) ranked.emplace_back(rank, i);
    }
    std::sort(ranked.begin(), ranked.end());
    if (ranked.size() > count) ranked.resize(count);
    if (sample > 0 && sample < ranked.size()) {
        std::mt19937 random(seed);
        std::shuffle(ranked.begin(), ranked.end(), random);
        ranked.resize(sample);
        std::sort(ranked.begin(), ranked.end());
    }
    for (const auto& [rank, i] : ranked) writeEntry(all[i].first, all[i].second, out);
    return true;
}

bool tallyJudged(const std::string& dir, const std::string& stem, const std::string& path,
                 bool verbose, std::ostream& out, Judged& judged, std::string& error) {
    std::vector<std::pair<std::string, std::vector<std::string>>> all;
    if (!firstMeanings(dir, stem, all, error)) return false;
    std::unordered_map<std::string, std::string> first;
    for (const auto& [head, meanings] : all) first.try_emplace(head, meanings.front());
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> fields = splitOutsideBrackets(line, "\t");
        if (fields.size() < 3) continue;
        const std::string& verdict = fields[2];
        if (verdict == "right")
            ++judged.right;
        else if (verdict == "acceptable")
            ++judged.acceptable;
        else if (verdict == "wrong")
            ++judged.wrong;
        else
            continue;
        auto it = first.find(fields[0]);
        if (it == first.end() || it->second != fields[1]) {
            ++judged.stale;
            if (verbose)
                out << "  stale: " << fields[0] << " judged \"" << fields[1] << "\", now \""
                    << (it == first.end() ? std::string("(missing)") : it->second) << "\"\n";
        } else if (verbose && verdict == "wrong") {
            out << "  wrong: " << fields[0] << " -> " << fields[1] << "\n";
        }
    }
    out << stem << ": judged sample " << judged.right << " right, " << judged.acceptable
        << " acceptable, " << judged.wrong << " wrong of "
        << judged.right + judged.acceptable + judged.wrong;
    if (judged.stale) out << " (" << judged.stale << " no longer the set's first meaning)";
    out << "\n";
    return true;
}

}  // namespace lexavo::mkdict
