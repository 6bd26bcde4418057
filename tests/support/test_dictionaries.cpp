#include "support/test_dictionaries.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text/cp1250.h"

namespace lexavo::testing {

TempProgramDir::TempProgramDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lexavo-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempProgramDir::~TempProgramDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempProgramDir::writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempProgramDir::readFile(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool TempProgramDir::exists(const std::string& name) const {
    return std::filesystem::exists(file(name));
}

void writeTestSet(const TempProgramDir& dir, const std::string& stem, const std::string& title,
                  const std::string& direction, const std::string& wordLabel,
                  const std::vector<TestEntry>& entries) {
    DictionarySetHeader header{stem, title, direction, wordLabel, isCzechFirstTitle(title)};
    std::vector<std::string> headwords;
    std::vector<std::vector<std::string>> records;
    for (const auto& e : entries) {
        headwords.push_back(e.headword);
        records.push_back(e.meanings);
    }
    if (!writeDictionarySet(dir.path(), header, headwords, records)) {
        throw std::runtime_error("cannot write test set " + stem);
    }
}

std::string cp(const char* utf8) { return utf8ToCp1250(utf8); }

void writeEnglishCzechSet(const TempProgramDir& dir, const std::string& stem) {
    // Ordered so that the start slot of every first letter (the lowest slot whose
    // second byte is that letter) lies at or before that letter's headwords.
    writeTestSet(dir, stem, kTitleEnglishCzech, cp("Aj->Čj"), cp("  Anglické slovo:  "),
                 {
                     {"a", {cp("neurčitý člen")}},
                     {"about", {"o", "asi"}},
                     {"abbey", {cp("opatství")}},
                     {"add", {cp("přidat")}},
                     {"and", {"a"}},
                     {"apple", {"jablko"}},
                     {"at", {"u"}},
                     {"the", {"ten"}},
                     {"dog", {"pes"}},
                     {"house", {cp("dům"), "ubytovat"}},
                     {"hello", {cp("haló")}},
                     {"big", {cp("velký")}},
                     {"is", {"jest"}},
                     {"two", {"dva"}},
                     {"world", {cp("svět")}},
                 });
}

}  // namespace lexavo::testing
