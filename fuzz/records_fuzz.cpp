// Feeds arbitrary bytes to the records and texts the program reads and writes
// besides reading dictionary files: the configuration record (read, the decisions
// taken from it, written and read back unchanged), text lines (split and joined
// back unchanged), the code page, its folding and UTF-8, catalogue names, German
// article forms, the dictionary set writer (its set then loaded and found by title),
// temporary file names, and the program directory of an executable path.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/config_record.h"
#include "app/program_state.h"
#include "dictionary/catalogue.h"
#include "dictionary/dictionary_store.h"
#include "dictionary/formats.h"
#include "dictionary/german_articles.h"
#include "scratch_dir.h"
#include "text/cp1250.h"
#include "text/regular_file.h"
#include "text/safe_save.h"
#include "text/text_lines.h"

namespace {

void configRecord(std::string_view bytes) {
    const std::string& dir = scratchDir();
    if (!lexavo::replaceFileSafely(dir + "/lexavo.ini", bytes)) std::abort();
    lexavo::ConfigRecord record;
    if (!lexavo::readConfigRecord(dir, record)) std::abort();
    (void)lexavo::windowStateOf(record.get(lexavo::ConfigRecord::kWindowState));
    (void)lexavo::pageNumberOf(record.dictionaryTitle());
    (void)lexavo::panelSwitchOf(
        static_cast<unsigned char>(record.flag(lexavo::ConfigRecord::kShowLogo)));
    record.setDictionaryTitle(record.dictionaryTitle());
    if (!lexavo::writeConfigRecord(lexavo::ProgramFolder(dir), record)) std::abort();
    lexavo::ConfigRecord back;
    if (!lexavo::readConfigRecord(dir, back) || back.bytes != record.bytes) std::abort();
}

void textLines(std::string_view bytes) {
    const std::vector<std::string> lines = lexavo::splitTextLines(bytes);
    const std::string joined = lexavo::joinTextLines(lines);
    if (lexavo::splitTextLines(joined) != lines) std::abort();
    std::string text;
    if (lexavo::readRegularFile(scratchDir() + "/lexavo.ini", 1 << 20, text) ==
        lexavo::ReadResult::kMissing) {
        std::abort();
    }
}

void codePage(std::string_view bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t cp = lexavo::cp1250ToUnicode(byte);
        // Every byte the code page defines comes back as itself (NUL, which no text
        // of the program holds, becomes '?').
        if (byte != 0 && cp != 0xFFFD && lexavo::unicodeToCp1250(cp) != byte) std::abort();
    }
    const std::string folded = lexavo::foldAscii(bytes);
    if (folded.size() != bytes.size()) std::abort();
    (void)lexavo::fileNamesFor(std::string(bytes));
}

// Lines of the input as headwords, each line's tab-separated rest as meanings.
void dictionarySet(std::string_view bytes) {
    std::vector<std::string> headwords;
    std::vector<std::vector<std::string>> entries;
    for (const std::string& line : lexavo::splitTextLines(bytes)) {
        const size_t tab = std::min(line.find('\t'), line.size());
        headwords.push_back(line.substr(0, tab));
        std::vector<std::string> meanings;
        for (size_t at = tab; at < line.size();) {
            const size_t next = std::min(line.find('\t', at + 1), line.size());
            meanings.push_back(line.substr(at + 1, next - at - 1));
            at = next;
        }
        entries.push_back(lexavo::joinGermanArticles(meanings));
        if (!meanings.empty()) (void)lexavo::germanArticleForm(headwords.back(), meanings[0]);
    }
    const std::string& dir = scratchDir();
    lexavo::DictionarySetHeader header;
    header.stem = "w";
    header.title = headwords.empty() ? std::string("T") : headwords[0];
    header.direction = bytes.size() % 2 ? "Aj->\xC8j" : "\xC8j->Nj";
    header.wordLabel = std::string(bytes.substr(0, 30));
    header.extraLeadingRecord = bytes.size() % 3 == 0;
    if (!lexavo::writeDictionarySet(dir, header, headwords, entries)) std::abort();
    lexavo::DictInfo info;
    (void)lexavo::readInfoRecord(dir, "w.nfo", info);
    lexavo::Catalogue catalogue;
    (void)catalogue.findByTitle(dir, header.title, nullptr);
    // One store for every input: its slot table is large.
    static lexavo::DictionaryStore* store = new lexavo::DictionaryStore();
    (void)store->loadDictionary(dir, lexavo::fileNamesFor("w.nfo"));
}

void namesAndPaths(std::string_view bytes) {
    const std::string utf8 = lexavo::cp1250ToUtf8(bytes);
    if (lexavo::utf8ToCp1250(utf8).size() != bytes.size()) std::abort();
    (void)lexavo::utf8ToCp1250(bytes);
    (void)lexavo::programDirFromExecutable(bytes);
    // A file name of the input's letters, left as a killed run's temporary file
    // would be, for the next start's clean-up.
    std::string name;
    for (const char c : bytes.substr(0, 40)) {
        if (c != '/' && c != '\0') name.push_back(c);
    }
    if (!name.empty() && name != "." && name != "..") {
        const std::string path = scratchDir() + "/." + name + ".lexavo-1-1.tmp";
        (void)lexavo::replaceFileSafely(path, "x");
        lexavo::removeLeftTemporaryFiles(scratchDir());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    configRecord(bytes);
    textLines(bytes);
    codePage(bytes);
    dictionarySet(bytes);
    namesAndPaths(bytes);
    return 0;
}
