#pragma once
// lexavo.ini: the 80-byte configuration record, held byte for byte as stored.
//   offset  0, 4: window left     (signed 32-bit, little-endian, as all integers)
//   offset  4, 4: window top
//   offset  8, 4: window width
//   offset 12, 4: window height
//   offset 16, 4: window state: 0 normal, 1 minimised, 2 maximised (low byte applied)
//   offset 20, 4: active page 0..4
//   offset 24, 50: dictionary title, zero-terminated, at most 47 characters
//   offset 74, 1: logo panel shown (1) or hidden (0)
//   offset 75, 1: quick-command bar shown / hidden
//   offset 76, 1: information line shown / hidden
//   offset 77, 3: reserved, written back as read

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/program_folder.h"

namespace lexavo {

constexpr size_t kConfigRecordBytes = 80;
constexpr size_t kConfigTitleOffset = 24;
constexpr size_t kConfigTitleBytes = 50;
constexpr size_t kConfigTitleMaxChars = 47;
extern const char* const kConfigFileName;  // "lexavo.ini"

struct ConfigRecord {
    enum Field : size_t {
        kWindowLeft = 0,
        kWindowTop = 4,
        kWindowWidth = 8,
        kWindowHeight = 12,
        kWindowState = 16,
        kActivePage = 20,
    };
    enum Flag : size_t { kShowLogo = 74, kShowQuickBar = 75, kShowInfoLine = 76 };

    std::array<char, kConfigRecordBytes> bytes{};

    int32_t get(Field f) const;
    void set(Field f, int32_t value);
    unsigned char flag(Flag f) const { return static_cast<unsigned char>(bytes[f]); }
    void setFlag(Flag f, bool on) { bytes[f] = on ? 1 : 0; }
    std::string_view dictionaryTitle() const;
    // Zeroes the 50 bytes, then copies at most 47 characters of title.
    void setDictionaryTitle(std::string_view title);
};

// The window state the record stores: its low byte, 1 minimised, 2 maximised,
// anything else normal.
enum class WindowState : int32_t { kNormal = 0, kMinimised = 1, kMaximised = 2 };
WindowState windowStateOf(int32_t stored);

// The pages by their number in the record: the dictionary, the translator, the notes,
// the search history, the user dictionary.
constexpr int32_t kPageCount = 5;
constexpr const char* kPageNames[kPageCount] = {"pageSlovnik", "pagePrekladac", "pagePoznamky",
                                                "pageHledane", "pageUzivSlovnik"};
// The number of the page with this object name; -1 for none.
int32_t pageNumberOf(std::string_view pageName);

// A panel byte: 0 hides the panel, 1 shows it, any other value leaves it as created.
enum class PanelSwitch { kHide, kShow, kLeave };
PanelSwitch panelSwitchOf(unsigned char stored);

// Reads lexavo.ini from dir into record; a short file replaces only the bytes it
// has. False (record unchanged) when the file does not open.
bool readConfigRecord(const std::string& dir, ConfigRecord& record);
// Stores the record in dir/lexavo.ini. The bytes go to a temporary file in the same
// directory that is then renamed over the old one, so a crash never leaves a
// truncated record. False when it cannot be written.
bool writeConfigRecord(const ProgramFolder& folder, const ConfigRecord& record);

}  // namespace lexavo
