// Writes the English-Czech test set into the directory given as the argument, for
// the whole-program tests.

#include <cstdio>
#include <filesystem>

#include "support/test_dictionaries.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program-dir>\n", argv[0]);
        return 2;
    }
    // TempProgramDir removes its folder; write through a scratch one and move the set.
    lexavo::testing::TempProgramDir scratch;
    lexavo::testing::writeEnglishCzechSet(scratch);
    for (const char* ext : {".nfo", ".dt1", ".dt2"}) {
        const std::string name = std::string("angcze") + ext;
        std::filesystem::copy_file(scratch.file(name), std::filesystem::path(argv[1]) / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    return 0;
}
