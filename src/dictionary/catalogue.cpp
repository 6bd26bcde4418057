#include "dictionary/catalogue.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "dictionary/program_files.h"

namespace lexavo {

void Catalogue::scan(const std::string& dir) {
    namespace fs = std::filesystem;
    names_.clear();
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;  // hidden
        if (name.size() > kCatalogueNameChars || name.size() < 4) continue;
        if (!equalsIgnoringAsciiCase(name.substr(name.size() - 4), ".nfo")) continue;
        std::error_code fileEc;
        if (!it->is_regular_file(fileEc)) continue;
        found.push_back(name);
    }
    std::sort(found.begin(), found.end());
    if (found.size() > kCatalogueEntries) found.resize(kCatalogueEntries);
    names_ = std::move(found);
}

DictFileNames fileNamesFor(const std::string& catalogueName) {
    const std::string stem = catalogueName.substr(0, catalogueName.find('.'));
    return {stem + ".nfo", stem + ".dt1", stem + ".dt2"};
}

bool readInfoRecord(const std::string& dir, const std::string& name, DictInfo& info) {
    std::ifstream in(resolveInDir(dir, name), std::ios::binary);
    if (!in) return false;
    in.read(info.bytes.data(), static_cast<std::streamsize>(info.bytes.size()));
    return true;
}

}  // namespace lexavo
