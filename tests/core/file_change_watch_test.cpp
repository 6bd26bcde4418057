// The entry file's change watch: quiet while nothing happens, and every kind of
// change a user or another program can make to the file, or in its folder, counted.

#include "entry/file_change_watch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/test_dictionaries.h"

namespace lexavo {
namespace {

namespace fs = std::filesystem;
using testing::TempProgramDir;

#if defined(__linux__)

TEST(FileChangeWatch, CountsEveryChangeToTheFileOrItsFolderAndNothingElse) {
    TempProgramDir dir;
    TempProgramDir elsewhere;
    dir.writeFile("t.dt2", "one");
    FileChangeWatch watch;
    watch.watch(dir.file("t.dt2"));
    ASSERT_TRUE(watch.active());

    struct Change {
        const char* what;
        std::function<void()> make;
    };
    const std::vector<Change> changes = {
        {"a write", [&] { std::ofstream(dir.file("t.dt2"), std::ios::app) << "x"; }},
        {"a new mode", [&] { ::chmod(dir.file("t.dt2").c_str(), 0600); }},
        {"a new time",
         [&] {
             fs::last_write_time(dir.file("t.dt2"),
                                 fs::last_write_time(dir.file("t.dt2")) + std::chrono::seconds(5));
         }},
        {"a write through a link in another folder",
         [&] {
             fs::create_hard_link(dir.file("t.dt2"), elsewhere.file("link"));
             watch.settle();
             const uint64_t before = watch.notices();
             std::ofstream(elsewhere.file("link"), std::ios::app) << "y";
             watch.settle();
             EXPECT_GT(watch.notices(), before);
         }},
        {"another file in the folder", [&] { dir.writeFile("other", "z"); }},
        {"the file renamed away", [&] { fs::rename(dir.file("t.dt2"), dir.file("aside")); }},
        {"a file renamed to its name", [&] { fs::rename(dir.file("aside"), dir.file("t.dt2")); }},
        {"the file removed", [&] { fs::remove(dir.file("t.dt2")); }},
        {"a file of its name created", [&] { dir.writeFile("t.dt2", "two"); }},
    };
    for (const Change& c : changes) {
        watch.settle();
        const uint64_t before = watch.notices();
        // Nothing happens: nothing is counted.
        watch.settle();
        EXPECT_EQ(watch.notices(), before) << c.what;
        c.make();
        watch.settle();
        EXPECT_GT(watch.notices(), before) << c.what;
    }
}

TEST(FileChangeWatch, IsInactiveWhereTheFileCannotBeWatched) {
    TempProgramDir dir;
    FileChangeWatch watch;
    watch.watch(dir.file("missing.dt2"));
    EXPECT_FALSE(watch.active());
    dir.writeFile("there.dt2", "x");
    watch.watch(dir.file("there.dt2"));
    EXPECT_TRUE(watch.active());
    watch.watch(dir.file("nowhere/there.dt2"));
    EXPECT_FALSE(watch.active());
}

#endif

}  // namespace
}  // namespace lexavo
