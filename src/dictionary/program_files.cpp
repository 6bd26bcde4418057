#include "dictionary/program_files.h"

#include <filesystem>
#include <system_error>

#include "text/cp1250.h"
#include "text/regular_file.h"

namespace lexavo {

bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    }
    return true;
}

std::string resolveInDir(const std::string& dir, const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path exact = fs::path(dir) / name;
    std::error_code ec;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (equalsIgnoringAsciiCase(it->path().filename().string(), name) &&
            it->is_regular_file(ec)) {
            return it->path().string();
        }
    }
    return exact.string();
}

std::FILE* openInDir(const std::string& dir, const std::string& name) {
    if (name.empty()) return nullptr;
    return openRegularFile(resolveInDir(dir, name));
}

}  // namespace lexavo
