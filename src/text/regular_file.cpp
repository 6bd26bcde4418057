#include "text/regular_file.h"

#include <cerrno>
#include <filesystem>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lexavo {

std::FILE* openRegularFile(const std::string& path, uint64_t* size) {
#ifdef _WIN32
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        errno = std::filesystem::exists(path, ec) ? EISDIR : ENOENT;
        return nullptr;
    }
    if (size != nullptr) *size = std::filesystem::file_size(path, ec);
    return std::fopen(path.c_str(), "rb");
#else
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    struct stat st {};
    int reason = 0;
    if (::fstat(fd, &st) != 0) {
        reason = errno;
    } else if (!S_ISREG(st.st_mode)) {
        reason = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    }
    if (reason != 0) {
        ::close(fd);
        errno = reason;
        return nullptr;
    }
    if (size != nullptr) *size = static_cast<uint64_t>(st.st_size);
    // On a regular file O_NONBLOCK changes nothing, so the descriptor reads as usual.
    std::FILE* f = ::fdopen(fd, "rb");
    if (f == nullptr) ::close(fd);
    return f;
#endif
}

ReadResult readRegularFile(const std::string& path, size_t limit, std::string& out) {
    out.clear();
    uint64_t size = 0;
    std::FILE* f = openRegularFile(path, &size);
    if (f == nullptr) return ReadResult::kMissing;
    if (size > limit) {
        std::fclose(f);
        return ReadResult::kTooLarge;
    }
    // The file may grow while it is read: one byte past the limit tells.
    out.resize(static_cast<size_t>(size));
    size_t got = std::fread(out.data(), 1, out.size(), f);
    out.resize(got);
    char block[1 << 16];
    size_t n = 0;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0 && out.size() <= limit) {
        out.append(block, n);
    }
    std::fclose(f);
    if (out.size() > limit) {
        out.clear();
        return ReadResult::kTooLarge;
    }
    return ReadResult::kOk;
}

}  // namespace lexavo
