#include "tsv_reader.h"

#include "line_reader.h"

namespace lexavo::mkdict {

Status readTsv(const std::string& path, Lexicon& lexicon) {
    return forEachLine(path, [&](std::string& line) {
        if (line.empty() || line[0] == '#') return true;
        size_t start = 0;
        size_t tab = line.find('\t');
        const std::string headword = line.substr(0, tab);
        lexicon.entry(headword);
        while (tab != std::string::npos) {
            start = tab + 1;
            tab = line.find('\t', start);
            Sense s;
            s.text = line.substr(start, tab == std::string::npos ? tab : tab - start);
            lexicon.add(headword, std::move(s));
        }
        return true;
    });
}

}  // namespace lexavo::mkdict
