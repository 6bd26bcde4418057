#include "app/config_record.h"

#include <cstdio>
#include <cstring>

#include "text/regular_file.h"
#include "text/safe_save.h"

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
    // Only a regular file is read: a FIFO in its place would keep the window from
    // ever appearing, a device from ending the read.
    std::FILE* f = openRegularFile(dir + "/" + kConfigFileName);
    if (f == nullptr) return false;
    (void)std::fread(record.bytes.data(), 1, record.bytes.size(), f);
    std::fclose(f);
    return true;
}

bool writeConfigRecord(const ProgramFolder& folder, const ConfigRecord& record) {
    return folder.replaceFile(kConfigFileName,
                              std::string_view(record.bytes.data(), record.bytes.size()));
}

WindowState windowStateOf(int32_t stored) {
    switch (stored & 0xFF) {
        case 1:
            return WindowState::kMinimised;
        case 2:
            return WindowState::kMaximised;
        default:
            return WindowState::kNormal;
    }
}

int32_t pageNumberOf(std::string_view pageName) {
    for (int32_t i = 0; i < kPageCount; ++i) {
        if (pageName == kPageNames[i]) return i;
    }
    return -1;
}

PanelSwitch panelSwitchOf(unsigned char stored) {
    return stored == 0   ? PanelSwitch::kHide
           : stored == 1 ? PanelSwitch::kShow
                         : PanelSwitch::kLeave;
}

}  // namespace lexavo
