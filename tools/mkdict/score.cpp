#include "score.h"

#include <fstream>
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

}  // namespace lexavo::mkdict
