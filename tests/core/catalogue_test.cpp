#include "dictionary/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/program_state.h"
#include "support/test_dictionaries.h"

namespace lexavo {
namespace {

using testing::TempProgramDir;

TEST(Catalogue, ListsNfoFilesOfAnyCaseAndSkipsWhatDoesNotFit) {
    TempProgramDir dir;
    dir.writeFile("zeta.nfo", "");
    dir.writeFile("ALPHA.NFO", "");
    dir.writeFile("mid.Nfo", "");
    dir.writeFile("notes.txt", "");
    dir.writeFile(".hidden.nfo", "");
    dir.writeFile("toolongstem.nfo", "");  // 15 characters: no 15-byte name fits it
    std::filesystem::create_directory(dir.file("dir.nfo"));
    Catalogue c;
    c.scanCatalogue(dir.path());
    EXPECT_EQ(c.names(), (std::vector<std::string>{"ALPHA.NFO", "mid.Nfo", "zeta.nfo"}));
}

TEST(Catalogue, KeepsAtMostAHundredNames) {
    TempProgramDir dir;
    for (int i = 0; i < 130; ++i) dir.writeFile("d" + std::to_string(1000 + i) + ".nfo", "");
    Catalogue c;
    c.scanCatalogue(dir.path());
    ASSERT_EQ(c.count(), kCatalogueEntries);
    EXPECT_EQ(c.names().front(), "d1000.nfo");
    EXPECT_EQ(c.names().back(), "d1099.nfo");
}

TEST(Catalogue, FileNamesComeFromTheStem) {
    const DictFileNames n = fileNamesFor("ANGCZE.NFO");
    EXPECT_EQ(n.nfo, "ANGCZE.nfo");
    EXPECT_EQ(n.dt1, "ANGCZE.dt1");
    EXPECT_EQ(n.dt2, "ANGCZE.dt2");
    EXPECT_EQ(fileNamesFor("a.b.nfo").dt2, "a.dt2");
}

TEST(ProgramDir, IsThePathUpToTheLastSeparator) {
    EXPECT_EQ(programDirFromExecutable("C:\\Program Files\\Lexavo\\lexavo.exe"),
              "C:\\Program Files\\Lexavo");
    EXPECT_EQ(programDirFromExecutable("/opt/lexavo/bin/lexavo"), "/opt/lexavo/bin");
    EXPECT_EQ(programDirFromExecutable("lexavo"), "");
}

}  // namespace
}  // namespace lexavo

namespace lexavo {
namespace {

TEST(CatalogueFind, FindsASetByTitleInNameOrderAndShowsEveryRecordRead) {
    testing::TempProgramDir dir;
    testing::writeEnglishCzechSet(dir, "b_angcze");
    testing::writeEnglishCzechSet(dir, "c_again");  // the same title again
    testing::writeTestSet(dir, "a_nemcze", testing::cp("Německo-český slovník"),
                          testing::cp("Nj->Čj"), "  Slovo:  ", {{"Haus", {"dum"}}});
    Catalogue catalogue;
    catalogue.scanCatalogue(dir.path());
    std::vector<std::string> titles;
    const auto seen = [&](const DictInfo& info) { titles.emplace_back(info.title()); };
    EXPECT_EQ(catalogue.findByTitle(dir.path(), kTitleEnglishCzech, seen), "b_angcze.nfo");
    EXPECT_EQ(titles,
              (std::vector<std::string>{testing::cp("Německo-český slovník"), kTitleEnglishCzech}));
    titles.clear();
    EXPECT_EQ(catalogue.findByTitle(dir.path(), "Anglicko", seen), "");
    EXPECT_EQ(titles.size(), 3u);
}

}  // namespace
}  // namespace lexavo
