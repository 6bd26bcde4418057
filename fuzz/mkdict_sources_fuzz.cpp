// Feeds arbitrary bytes to every reader of the dictionary compiler: Ding lines and
// files, FreeDict articles and dictd index and data files (plain and gzip),
// tab-separated word lists, reviewed lines, and a compiled set read back. The first
// byte chooses the reader; the rest is its input.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "dictd_reader.h"
#include "ding_reader.h"
#include "lexicon.h"
#include "reviewed.h"
#include "scratch_dir.h"
#include "set_reader.h"
#include "tsv_reader.h"

namespace {

namespace mk = lexavo::mkdict;

std::string writeFile(const std::string& name, std::string_view bytes) {
    const std::string path = scratchDir() + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    mk::Lexicon lexicon;
    switch (data[0] % 7) {
        case 0: {
            mk::DingLine line;
            (void)mk::parseDingLine(input, line);
            (void)mk::readDing(writeFile("ding.txt", input), lexicon);
            break;
        }
        case 1:
            (void)mk::parseFreedictArticle(input);
            break;
        case 2: {
            // The index first, up to its first NUL byte; the data after it.
            const size_t cut = std::min(input.find('\0'), input.size());
            writeFile("d.index", input.substr(0, cut));
            writeFile("d.dict", input.substr(std::min(cut + 1, input.size())));
            std::filesystem::remove(scratchDir() + "/d.dict.dz");
            std::vector<mk::DictdArticle> articles;
            (void)mk::readDictd(scratchDir() + "/d", articles);
            uint64_t value = 0;
            (void)mk::decodeDictdNumber(input.substr(0, 12), value);
            break;
        }
        case 3: {
            std::string bytes;
            (void)mk::readGzipFile(writeFile("g.gz", input), bytes);
            break;
        }
        case 4:
            (void)mk::readTsv(writeFile("w.tsv", input), lexicon);
            break;
        case 5: {
            mk::ReviewedLine line;
            (void)mk::parseReviewedLine(std::string(input), line);
            break;
        }
        default: {
            // A set of three files, split at the first two NUL bytes.
            const size_t a = std::min(input.find('\0'), input.size());
            const size_t b =
                std::min(input.find('\0', std::min(a + 1, input.size())), input.size());
            writeFile("s.nfo", input.substr(0, a));
            writeFile("s.dt1", input.substr(std::min(a + 1, input.size()), b - std::min(a + 1, b)));
            writeFile("s.dt2", input.substr(std::min(b + 1, input.size())));
            mk::LoadedSet set;
            (void)mk::readSetBack(scratchDir(), "s", set);
            (void)mk::splitRecord(std::string(input));
            break;
        }
    }
    return 0;
}
