// Files that are not what they seem, in place of each file the program reads: a
// FIFO (opening it for reading would wait for a writer), a device that never ends
// (/dev/zero, /dev/urandom), a folder, and a file larger than any real one. Each
// counts as missing, at once and without reading it; a test that blocked would
// end at the suite's time limit.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/config_record.h"
#include "dictionary/catalogue.h"
#include "dictionary/dictionary_store.h"
#include "entry/entry_reader.h"
#include "support/test_dictionaries.h"
#include "text/regular_file.h"

namespace lexavo {
namespace {

namespace fs = std::filesystem;
using testing::TempProgramDir;

// Each kind of impostor put at dir/name in place of whatever was there.
struct Impostor {
    const char* what;
    std::function<void(const std::string& path)> make;
};
const std::vector<Impostor>& impostors() {
    static const std::vector<Impostor> all = {
        {"a FIFO", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"a link to /dev/zero", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }},
        {"a link to /dev/urandom",
         [](const std::string& p) { fs::create_symlink("/dev/urandom", p); }},
        {"a folder", [](const std::string& p) { fs::create_directory(p); }},
    };
    return all;
}
void replaceBy(const Impostor& impostor, const std::string& path) {
    std::error_code ec;
    fs::remove_all(path, ec);
    impostor.make(path);
}

TEST(RegularFile, ReadsOnlyARegularFileAndNothingPastTheLimit) {
    TempProgramDir dir;
    const std::string path = dir.file("f");
    std::string bytes;
    for (const Impostor& i : impostors()) {
        replaceBy(i, path);
        EXPECT_EQ(readRegularFile(path, 1000, bytes), ReadResult::kMissing) << i.what;
        EXPECT_EQ(openRegularFile(path), nullptr) << i.what;
    }
    fs::remove_all(path);
    dir.writeFile("f", std::string(1000, 'x'));
    EXPECT_EQ(readRegularFile(path, 1000, bytes), ReadResult::kOk);
    EXPECT_EQ(bytes, std::string(1000, 'x'));
    dir.writeFile("f", std::string(1001, 'x'));
    EXPECT_EQ(readRegularFile(path, 1000, bytes), ReadResult::kTooLarge);
    EXPECT_TRUE(bytes.empty());
    // A link to a regular file is read.
    fs::create_symlink(path, dir.file("link"));
    EXPECT_EQ(readRegularFile(dir.file("link"), 2000, bytes), ReadResult::kOk);
    EXPECT_EQ(bytes.size(), 1001u);
}

// The test set "t", written and loaded.
class HostileFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::writeEnglishCzechSet(dir, "t");
        ASSERT_EQ(store.loadDictionary(dir.path(), {"t.nfo", "t.dt1", "t.dt2"}),
                  DictionaryStore::LoadResult::kLoaded);
    }
    TempProgramDir dir;
    DictionaryStore store;
};

TEST_F(HostileFiles, DictionaryFilesThatAreNotFilesCountAsMissing) {
    const std::string nfo = dir.file("t.nfo");
    fs::copy_file(nfo, dir.file("saved.nfo"));
    for (const Impostor& i : impostors()) {
        SCOPED_TRACE(i.what);
        replaceBy(i, nfo);
        EXPECT_EQ(store.loadDictionary(dir.path()), DictionaryStore::LoadResult::kNoInfoFile);
        DictInfo info;
        EXPECT_FALSE(readInfoRecord(dir.path(), "t.nfo", info));
        fs::remove_all(nfo);
        fs::copy_file(dir.file("saved.nfo"), nfo);

        replaceBy(i, dir.file("t.dt1"));
        EXPECT_EQ(store.loadDictionary(dir.path()), DictionaryStore::LoadResult::kNoHeadwordFile);
        EXPECT_EQ(store.headwordCount(), 0u);
    }
    // A headword file larger than any real one (sparse: it takes no disk).
    fs::remove_all(dir.file("t.dt1"));
    dir.writeFile("t.dt1", encodeHeadwordRecord("dog"));
    fs::resize_file(dir.file("t.dt1"), kMaxHeadwordFileBytes + 1);
    EXPECT_EQ(store.loadDictionary(dir.path()), DictionaryStore::LoadResult::kNoHeadwordFile);
}

TEST_F(HostileFiles, AnEntryFileThatIsNotAFileOrTooLargeIsMissing) {
    EntryReader reader;
    const std::string dt2 = dir.file("t.dt2");
    for (const Impostor& i : impostors()) {
        replaceBy(i, dt2);
        EXPECT_EQ(reader.checkEntryFile(store), CollectStatus::kEntryFileMissing) << i.what;
    }
    fs::remove_all(dt2);
    dir.writeFile("t.dt2", encodeEntryRecord({"pes"}));
    fs::resize_file(dt2, kMaxEntryFileBytes + 1);
    EXPECT_EQ(reader.checkEntryFile(store), CollectStatus::kEntryFileMissing);
}

TEST_F(HostileFiles, AConfigurationRecordThatIsNotAFileIsNotRead) {
    for (const Impostor& i : impostors()) {
        replaceBy(i, dir.file("lexavo.ini"));
        ConfigRecord record;
        EXPECT_FALSE(readConfigRecord(dir.path(), record)) << i.what;
    }
}

}  // namespace
}  // namespace lexavo
