// The one way every save replaces a file: the old file whole until the new one is
// complete, a failed save (a full disk) leaving it untouched, a symbolic link
// followed, mode and group kept, a folder that takes no new file written in place,
// and the temporary files of a killed run removed at the next start.

#include "text/safe_save.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "support/test_dictionaries.h"

namespace lexavo {
namespace {

namespace fs = std::filesystem;
using testing::TempProgramDir;

std::set<std::string> namesIn(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

TEST(ReplaceFileSafely, FailureLeavesTheOldFileAndNoLitter) {
    TempProgramDir dir;
    dir.writeFile("minule.txt", "old");
    fs::create_directory(dir.file("blocked"));
    std::string error;
    EXPECT_FALSE(replaceFileSafely(dir.file("blocked"), "new", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(replaceFileSafely(dir.file("minule.txt"), "new"));
    EXPECT_EQ(dir.readFile("minule.txt"), "new");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"blocked", "minule.txt"}));
    EXPECT_FALSE(replaceFileSafely(dir.file("missing-dir/x"), "y"));
}

// A disk that fills up in the middle of the write: the save fails with the
// system's reason and the old file keeps every byte.
TEST(ReplaceFileSafely, AFullDiskLeavesTheOldFileUntouched) {
    // Takes half of what is written, then reports the disk full.
    struct FullDisk : FileSystem {
        bool writeAll(int fd, const char* data, size_t size) override {
            (void)!::write(fd, data, size / 2);
            errno = ENOSPC;
            return false;
        }
    } disk;
    TempProgramDir dir;
    const ProgramFolder folder(dir.path(), disk);
    const std::string old(100000, 'o');
    dir.writeFile("text.txt", old);
    std::string error;
    EXPECT_FALSE(folder.replaceFile("text.txt", std::string(300000, 'n'), &error));
    EXPECT_EQ(error, std::strerror(ENOSPC));
    EXPECT_EQ(dir.readFile("text.txt"), old);
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"text.txt"});
    // The same folder on the machine's own disk saves.
    EXPECT_TRUE(ProgramFolder(dir.path()).replaceFile("text.txt", "new"));
    EXPECT_EQ(dir.readFile("text.txt"), "new");
}

TEST(ReplaceFileSafely, FollowsASymbolicLinkAndKeepsModeAndGroup) {
    TempProgramDir dir;
    TempProgramDir elsewhere;
    elsewhere.writeFile("real.txt", "old");
    ASSERT_EQ(::chmod(elsewhere.file("real.txt").c_str(), 0640), 0);
    // A group other than the user's own, where the user may set one (root may).
    const gid_t group = ::getuid() == 0 ? 100 : ::getgid();
    ASSERT_EQ(::chown(elsewhere.file("real.txt").c_str(), static_cast<uid_t>(-1), group), 0);
    fs::create_symlink(elsewhere.file("real.txt"), dir.file("link.txt"));

    ASSERT_TRUE(replaceFileSafely(dir.file("link.txt"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(elsewhere.readFile("real.txt"), "new");
    struct stat st {};
    ASSERT_EQ(::stat(elsewhere.file("real.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_gid, group);
    EXPECT_EQ(namesIn(elsewhere.path()), std::set<std::string>{"real.txt"});
}

// A file the user may write in a folder the user may not add to: written in place.
// Run as another user when the tests run as root, who may write anywhere.
TEST(ReplaceFileSafely, WritesInPlaceWhereTheFolderTakesNoNewFile) {
    TempProgramDir dir;
    const std::string folder = dir.file("locked");
    fs::create_directory(folder);
    const std::string file = folder + "/minule.txt";
    {
        TempProgramDir scratch;
        scratch.writeFile("x", "old");
        fs::copy_file(scratch.file("x"), file);
    }
    const bool root = ::getuid() == 0;
    const uid_t nobody = 65534;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), nobody, nobody), 0);
        ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
        ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    } else {
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (::setgid(nobody) != 0 || ::setuid(nobody) != 0)) _exit(3);
        _exit(replaceFileSafely(file, "new") ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ::chmod(folder.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.readFile("locked/minule.txt"), "new");
    EXPECT_EQ(namesIn(folder), std::set<std::string>{"minule.txt"});
}

// A writer killed at random moments: the file is always one whole version, and
// the next start removes what it left.
TEST(ReplaceFileSafely, KilledWriterNeverLeavesATruncatedFileNorLitterAfterTheNextStart) {
    TempProgramDir dir;
    const std::string a(200000, 'a');
    const std::string b(300000, 'b');
    ASSERT_TRUE(replaceFileSafely(dir.file("minule.txt"), a));
    for (int round = 0; round < 20; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) replaceFileSafely(dir.file("minule.txt"), i % 2 ? a : b);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(2000 + round * 997));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = dir.readFile("minule.txt");
        EXPECT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    }
    // The earlier writer's names, this run's own file, and files of other names.
    dir.writeFile(".lexavo.ini.12345.tmp", "x");
    const std::string mine = ".minule.txt.lexavo-" + std::to_string(::getpid()) + "-7.tmp";
    dir.writeFile(mine, "x");
    dir.writeFile("notes.tmp", "x");
    removeLeftTemporaryFiles(dir.path());
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"minule.txt", mine, "notes.tmp"}));
}

}  // namespace
}  // namespace lexavo
