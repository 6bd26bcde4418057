#include "text/program_folder.h"

#include <cerrno>

#include "text/safe_save.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace lexavo {

#ifdef _WIN32
bool FileSystem::writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const int n =
            _write(fd, data, static_cast<unsigned>(size > (1u << 30) ? (1u << 30) : size));
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}
#else
bool FileSystem::writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}
#endif

FileSystem& FileSystem::real() {
    static FileSystem system;
    return system;
}

std::string ProgramFolder::file(std::string_view name) const {
    std::string path = path_;
    path += '/';
    path += name;
    return path;
}

bool ProgramFolder::replaceFile(std::string_view name, std::string_view bytes,
                                std::string* error) const {
    return replaceFileSafely(file(name), bytes, error, *files_);
}

}  // namespace lexavo
