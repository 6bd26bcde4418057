#include "app/config_record.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/test_dictionaries.h"

namespace lexavo {
namespace {

using testing::TempProgramDir;

TEST(ConfigRecord, FieldsSitAtTheirOffsets) {
    ConfigRecord r;
    r.set(ConfigRecord::kWindowLeft, -8);
    r.set(ConfigRecord::kWindowHeight, 0x01020304);
    r.set(ConfigRecord::kActivePage, 3);
    r.setFlag(ConfigRecord::kShowQuickBar, true);
    r.setDictionaryTitle(std::string(60, 't'));
    EXPECT_EQ(std::string(r.bytes.data(), 4), std::string("\xF8\xFF\xFF\xFF", 4));
    EXPECT_EQ(std::string(r.bytes.data() + 12, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(r.bytes[20], 3);
    EXPECT_EQ(r.bytes[75], 1);
    EXPECT_EQ(r.dictionaryTitle(), std::string(47, 't'));
    EXPECT_EQ(r.bytes[24 + 47], 0);
    EXPECT_EQ(r.get(ConfigRecord::kWindowLeft), -8);
}

TEST(ConfigRecord, FileRoundTripAndShortFile) {
    TempProgramDir dir;
    ConfigRecord r;
    EXPECT_FALSE(readConfigRecord(dir.path(), r));
    r.set(ConfigRecord::kWindowWidth, 640);
    r.bytes[78] = 'x';
    ASSERT_TRUE(writeConfigRecord(ProgramFolder(dir.path()), r));
    EXPECT_EQ(dir.readFile("lexavo.ini").size(), kConfigRecordBytes);
    ConfigRecord back;
    ASSERT_TRUE(readConfigRecord(dir.path(), back));
    EXPECT_EQ(back.bytes, r.bytes);

    dir.writeFile("lexavo.ini", std::string("\x05\0\0\0", 4));
    ConfigRecord shortRead;
    shortRead.set(ConfigRecord::kWindowTop, 99);
    ASSERT_TRUE(readConfigRecord(dir.path(), shortRead));
    EXPECT_EQ(shortRead.get(ConfigRecord::kWindowLeft), 5);
    EXPECT_EQ(shortRead.get(ConfigRecord::kWindowTop), 99);  // beyond the file: as it was
}

}  // namespace
}  // namespace lexavo

namespace lexavo {
namespace {

TEST(ConfigRecordRules, WindowStatePagesAndPanelBytes) {
    EXPECT_EQ(windowStateOf(0), WindowState::kNormal);
    EXPECT_EQ(windowStateOf(1), WindowState::kMinimised);
    EXPECT_EQ(windowStateOf(2), WindowState::kMaximised);
    EXPECT_EQ(windowStateOf(3), WindowState::kNormal);
    EXPECT_EQ(windowStateOf(0x102), WindowState::kMaximised);  // the low byte counts
    EXPECT_EQ(windowStateOf(-1), WindowState::kNormal);

    EXPECT_EQ(pageNumberOf("pageSlovnik"), 0);
    EXPECT_EQ(pageNumberOf("pageHledane"), 3);
    EXPECT_EQ(pageNumberOf("pageUzivSlovnik"), 4);
    EXPECT_EQ(pageNumberOf("pageslovnik"), -1);
    for (int32_t i = 0; i < kPageCount; ++i) EXPECT_EQ(pageNumberOf(kPageNames[i]), i);

    EXPECT_EQ(panelSwitchOf(0), PanelSwitch::kHide);
    EXPECT_EQ(panelSwitchOf(1), PanelSwitch::kShow);
    EXPECT_EQ(panelSwitchOf(7), PanelSwitch::kLeave);
    EXPECT_EQ(panelSwitchOf(255), PanelSwitch::kLeave);
}

}  // namespace
}  // namespace lexavo
