#include "line_reader.h"

#include <fstream>

namespace lexavo::mkdict {

Status forEachLine(const std::string& path, const std::function<bool(std::string& line)>& take,
                   const std::string& what) {
    std::ifstream in(path);
    if (!in) return Status::failure("cannot open " + what + path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!take(line)) return Status::failure("cannot read " + what + path);
    }
    return {};
}

}  // namespace lexavo::mkdict
