#include "dictionary/catalogue.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "dictionary/program_files.h"

namespace lexavo {

void Catalogue::scanCatalogue(const std::string& dir) {
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

std::string Catalogue::findByTitle(const std::string& dir, std::string_view title,
                                   const std::function<void(const DictInfo&)>& seen) const {
    DictInfo info;
    for (const std::string& name : names_) {
        if (!readInfoRecord(dir, name, info)) continue;
        if (seen) seen(info);
        if (info.title() == title) return name;
    }
    return {};
}

bool readInfoRecord(const std::string& dir, const std::string& name, DictInfo& info) {
    std::FILE* f = openInDir(dir, name);
    if (f == nullptr) return false;
    // A short record replaces only the bytes it has.
    (void)std::fread(info.bytes.data(), 1, info.bytes.size(), f);
    std::fclose(f);
    return true;
}

}  // namespace lexavo
