#include "app/config_record.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace lexavo {

const char* const kConfigFileName = "lexavo.ini";

int32_t ConfigRecord::get(Field f) const {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + f);
    return static_cast<int32_t>(uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 |
                                uint32_t{b[3]} << 24);
}

void ConfigRecord::set(Field f, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i) bytes[f + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string_view ConfigRecord::dictionaryTitle() const {
    const char* start = bytes.data() + kConfigTitleOffset;
    size_t n = 0;
    while (n < kConfigTitleBytes && start[n] != 0) ++n;
    return {start, n};
}

void ConfigRecord::setDictionaryTitle(std::string_view title) {
    std::memset(bytes.data() + kConfigTitleOffset, 0, kConfigTitleBytes);
    const size_t n = title.size() < kConfigTitleMaxChars ? title.size() : kConfigTitleMaxChars;
    if (n != 0) std::memcpy(bytes.data() + kConfigTitleOffset, title.data(), n);
}

bool readConfigRecord(const std::string& dir, ConfigRecord& record) {
    std::ifstream in(dir + "/" + kConfigFileName, std::ios::binary);
    if (!in) return false;
    in.read(record.bytes.data(), static_cast<std::streamsize>(record.bytes.size()));
    return true;
}

bool writeConfigRecord(const std::string& dir, const ConfigRecord& record) {
    return replaceFileAtomically(dir, kConfigFileName,
                                 std::string_view(record.bytes.data(), record.bytes.size()));
}

bool replaceFileAtomically(const std::string& dir, const std::string& name,
                           std::string_view bytes) {
    std::string tmp = dir + "/." + name + ".XXXXXX";
    const int fd = mkstemp(tmp.data());
    if (fd < 0) return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            ok = false;
        else
            done += static_cast<size_t>(n);
    }
    // The data must be on disk before the rename makes it the file's content.
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok) {
        // mkstemp creates the file readable by its owner only; give it ordinary rights.
        ::chmod(tmp.c_str(), 0644);
        ok = std::rename(tmp.c_str(), (dir + "/" + name).c_str()) == 0;
    }
    if (!ok) std::remove(tmp.c_str());
    return ok;
}

}  // namespace lexavo
