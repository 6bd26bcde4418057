#include "text/safe_save.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lexavo {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
int processId() { return _getpid(); }
#else
int processId() { return static_cast<int>(::getpid()); }
#endif

void setError(std::string* error, int code) {
    if (error != nullptr) *error = std::strerror(code != 0 ? code : EIO);
}

// The file a chain of symbolic links ends at (as far as it exists).
fs::path realTarget(const std::string& path) {
    std::error_code ec;
    fs::path p(path);
    for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p;
}

fs::path temporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    return target.parent_path() /
           ("." + target.filename().string() + ".lexavo-" + std::to_string(processId()) + "-" +
            std::to_string(counter++) + ".tmp");
}

bool flushToDisk(int fd) {
#ifdef _WIN32
    return _commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

// The old way, for a folder that takes no new file: truncate and write in place.
bool writeInPlace(const fs::path& target, std::string_view bytes, std::string* error,
                  FileSystem& files) {
#ifdef _WIN32
    const int fd =
        _open(target.string().c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, 0666);
#else
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
#endif
    if (fd < 0) {
        setError(error, errno);
        return false;
    }
    bool ok = files.writeAll(fd, bytes.data(), bytes.size()) && flushToDisk(fd);
    const int code = errno;
#ifdef _WIN32
    ok = _close(fd) == 0 && ok;
#else
    ok = ::close(fd) == 0 && ok;
#endif
    if (!ok) setError(error, code);
    return ok;
}

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// ".<name>.lexavo-<process>-<n>.tmp": true, with the process, for our own names.
bool isOurTemporaryName(std::string_view name, long& process) {
    constexpr std::string_view kMark = ".lexavo-";
    constexpr std::string_view kEnd = ".tmp";
    if (name.size() <= kEnd.size() || name[0] != '.' || !name.ends_with(kEnd)) return false;
    const std::string_view body = name.substr(0, name.size() - kEnd.size());
    const size_t mark = body.rfind(kMark);
    if (mark == std::string_view::npos || mark < 2) return false;
    const std::string_view numbers = body.substr(mark + kMark.size());
    const size_t dash = numbers.find('-');
    if (dash == std::string_view::npos) return false;
    const std::string_view pid = numbers.substr(0, dash);
    if (!allDigits(pid) || pid.size() > 9 || !allDigits(numbers.substr(dash + 1))) return false;
    process = std::stol(std::string(pid));
    return true;
}

// ".lexavo.ini.<n>.tmp" and ".minule.txt.<n>.tmp", the names of the earlier writer
// of the two run files.
bool isEarlierTemporaryName(std::string_view name) {
    constexpr std::string_view kEnd = ".tmp";
    for (const std::string_view start :
         {std::string_view(".lexavo.ini."), std::string_view(".minule.txt.")}) {
        if (name.size() > start.size() + kEnd.size() && name.starts_with(start) &&
            name.ends_with(kEnd)) {
            return allDigits(name.substr(start.size(), name.size() - start.size() - kEnd.size()));
        }
    }
    return false;
}

}  // namespace

bool replaceFileSafely(const std::string& path, std::string_view bytes, std::string* error,
                       FileSystem& files) {
    const fs::path target = realTarget(path);
    const fs::path temp = temporaryBeside(target);
#ifdef _WIN32
    const int fd = _open(temp.string().c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, 0666);
#else
    // The target's mode and group (and owner, where allowed) carry over; until they
    // do, only the user may read the new bytes. A new file gets what the user's mask
    // leaves of 0666.
    struct stat st {};
    const bool existed = ::stat(target.c_str(), &st) == 0;
    // O_EXCL: the temporary file must be new, never one that someone else writes.
    const int fd =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : 0666);
#endif
    if (fd < 0) {
        const int code = errno;
        if (code == EACCES || code == EPERM) return writeInPlace(target, bytes, error, files);
        setError(error, code);
        return false;
    }
    bool ok = files.writeAll(fd, bytes.data(), bytes.size());
    int code = ok ? 0 : errno;
#ifndef _WIN32
    if (existed) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            (void)!::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
        }
        ok = ok && ::fchmod(fd, st.st_mode & 07777) == 0;
    }
#endif
    // The data must be on the disk before the rename makes it the file's content.
    ok = ok && flushToDisk(fd);
    if (!ok && code == 0) code = errno;
#ifdef _WIN32
    ok = _close(fd) == 0 && ok;
#else
    ok = ::close(fd) == 0 && ok;
#endif
    std::error_code ec;
    if (ok) {
        fs::rename(temp, target, ec);
        ok = !ec;
        if (ec) code = ec.value();
    }
    if (!ok) {
        fs::remove(temp, ec);
        setError(error, code);
    }
    return ok;
}

void removeLeftTemporaryFiles(const std::string& dir) {
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        long pid = 0;
        bool left = isEarlierTemporaryName(name);
        if (!left && isOurTemporaryName(name, pid)) {
#ifdef _WIN32
            left = pid != processId();
#else
            // A run still going (another instance saving right now) keeps its file.
            left = pid != processId() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#endif
        }
        std::error_code rm;
        if (left && it->is_regular_file(rm)) fs::remove(it->path(), rm);
    }
}

}  // namespace lexavo
