#include "line_reader.h"

#include <fstream>

namespace lexavo::mkdict {

bool forEachLine(const std::string& path, const std::function<bool(std::string& line)>& take,
                 std::string& error, const std::string& what) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + what + path;
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!take(line)) return false;
    }
    return true;
}

}  // namespace lexavo::mkdict
