#include "tsv_reader.h"

#include <fstream>

namespace lexavo::mkdict {

bool readTsv(const std::string& path, Lexicon& lexicon, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
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
    }
    return true;
}

}  // namespace lexavo::mkdict
