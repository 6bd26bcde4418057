#include "score.h"

#include <algorithm>
#include <random>
#include <unordered_map>

#include "dictionary/formats.h"
#include "line_reader.h"
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

Status scoreFirstMeanings(const std::string& dir, const std::string& stem,
                          const std::string& listPath, bool verbose, std::ostream& out,
                          Score& score) {
    LoadedSet set;
    if (Status s = readSetBack(dir, stem, set); !s.ok()) return s;
    std::unordered_map<std::string, size_t> slotOf;
    for (size_t s = set.headwords.size(); s-- > 0;) slotOf.try_emplace(set.headwords[s], s);
    const bool joinArticles = set.info.direction() == kDirectionCzechGerman;

    const Status read = forEachLine(listPath, [&](std::string& line) {
        if (line.empty() || line[0] == '#') return true;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) return true;
        const std::string word = line.substr(0, tab);
        ++score.words;
        auto it = slotOf.find(utf8ToCp1250(word));
        if (it == slotOf.end()) {
            if (verbose) out << "  missing: " << word << "\n";
            return true;
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
        return true;
    });
    if (!read.ok()) return read;
    out << stem << ": first meaning good for " << score.hits << " of " << score.words
        << " common words (" << score.found << " are headwords)\n";
    return {};
}

Status firstMeanings(const std::string& dir, const std::string& stem,
                     std::vector<std::pair<std::string, std::vector<std::string>>>& out) {
    LoadedSet set;
    if (Status s = readSetBack(dir, stem, set); !s.ok()) return s;
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
    return {};
}

namespace {

void writeEntry(const std::string& head, const std::vector<std::string>& meanings,
                std::ostream& out) {
    out << head << '\t';
    for (size_t m = 0; m < meanings.size(); ++m) out << (m ? " | " : "") << meanings[m];
    out << '\n';
}

}  // namespace

Status dumpSet(const std::string& dir, const std::string& stem, std::ostream& out) {
    std::vector<std::pair<std::string, std::vector<std::string>>> all;
    if (Status s = firstMeanings(dir, stem, all); !s.ok()) return s;
    for (const auto& [head, meanings] : all) writeEntry(head, meanings, out);
    return {};
}

Status listCommonest(const std::string& dir, const std::string& stem, const WordTable& words,
                     const CommonestOptions& options, std::ostream& out) {
    std::vector<std::pair<std::string, std::vector<std::string>>> all;
    if (Status s = firstMeanings(dir, stem, all); !s.ok()) return s;
    std::vector<std::pair<size_t, size_t>> ranked;  // rank, index
    for (size_t i = 0; i < all.size(); ++i) {
        const size_t rank = words.rank(all[i].first);
        if (rank != 0) ranked.emplace_back(rank, i);
    }
    std::sort(ranked.begin(), ranked.end());
    if (ranked.size() > options.count) ranked.resize(options.count);
    ranked.erase(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(
                                                      std::min(options.skip, ranked.size())));
    if (options.sample > 0 && options.sample < ranked.size()) {
        std::mt19937 random(options.seed);
        std::shuffle(ranked.begin(), ranked.end(), random);
        ranked.resize(options.sample);
        std::sort(ranked.begin(), ranked.end());
    }
    for (const auto& [rank, i] : ranked) writeEntry(all[i].first, all[i].second, out);
    return {};
}

namespace {

bool isVerdict(const std::string& verdict) {
    return verdict == "right" || verdict == "acceptable" || verdict == "wrong";
}

void countVerdict(const std::string& verdict, Judged& judged) {
    ++(verdict == "right"        ? judged.right
       : verdict == "acceptable" ? judged.acceptable
                                 : judged.wrong);
}

void printJudged(const std::string& stem, const Judged& judged, std::ostream& out) {
    const size_t all = judged.right + judged.acceptable + judged.wrong;
    out << stem << ": judged sample " << judged.right << " right, " << judged.acceptable
        << " acceptable, " << judged.wrong << " wrong of " << all;
    if (judged.entries > 0) {
        out << " meanings (" << (all ? 100.0 * static_cast<double>(judged.wrong) / all : 0.0)
            << " % wrong) of " << judged.entries << " entries, first meaning wrong for "
            << judged.firstWrong;
    }
    if (judged.stale)
        out << " (" << judged.stale << " more judged no longer the set's meaning there)";
    out << "\n";
}

}  // namespace

Status tallyJudged(const std::string& dir, const std::string& stem, const std::string& path,
                   bool verbose, std::ostream& out, Judged& judged) {
    std::vector<std::pair<std::string, std::vector<std::string>>> all;
    if (Status s = firstMeanings(dir, stem, all); !s.ok()) return s;
    std::unordered_map<std::string, const std::vector<std::string>*> entries;
    for (const auto& [head, meanings] : all) entries.try_emplace(head, &meanings);
    std::unordered_map<std::string, bool> seenEntries;
    const Status read = forEachLine(path, [&](std::string& line) {
        if (line.empty() || line[0] == '#') return true;
        const std::vector<std::string> fields = splitOutsideBrackets(line, "\t");
        if (fields.size() < 3) return true;
        const bool whole = fields.size() >= 4;
        const std::string& verdict = fields[whole ? 3 : 2];
        const std::string& meaning = fields[whole ? 2 : 1];
        const size_t position = whole ? std::strtoul(fields[1].c_str(), nullptr, 10) : 1;
        if (position == 0 || !isVerdict(verdict)) return true;
        // A verdict on a meaning the set no longer shows there is not counted.
        auto it = entries.find(fields[0]);
        const bool there = it != entries.end() && it->second->size() >= position;
        if (!there || (*it->second)[position - 1] != meaning) {
            ++judged.stale;
            if (verbose)
                out << "  stale: " << fields[0] << " " << position << " judged \"" << meaning
                    << "\", now \"" << (there ? (*it->second)[position - 1] : "(none)") << "\"\n";
            return true;
        }
        countVerdict(verdict, judged);
        if (whole) {
            if (seenEntries.try_emplace(fields[0], true).second) ++judged.entries;
            if (position == 1 && verdict == "wrong") ++judged.firstWrong;
        }
        if (verbose && verdict == "wrong")
            out << "  wrong: " << fields[0] << " " << position << " -> " << meaning << "\n";
        return true;
    });
    if (!read.ok()) return read;
    printJudged(stem, judged, out);
    return {};
}

}  // namespace lexavo::mkdict
