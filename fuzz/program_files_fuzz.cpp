// Feeds arbitrary bytes to every reader of the program's own files: the first byte
// chooses the split of the rest into a .nfo, .dt1 and .dt2 file (and lexavo.ini);
// the catalogue is scanned, the set loaded, searched, looked up, laid out as the
// entry picture and its history lines, and translated.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/config_record.h"
#include "app/program_state.h"
#include "dictionary/catalogue.h"
#include "entry/entry_layout.h"
#include "lookup/exact_lookup.h"
#include "scratch_dir.h"
#include "text/regular_file.h"
#include "text/text_lines.h"

namespace {

void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    static lexavo::ProgramState* state = new lexavo::ProgramState(scratchDir());
    const std::string& dir = state->folder.path();
    // The information record comes first, whole or cut short; the rest is split
    // between the headword and entry files at a point chosen by the second byte.
    const size_t nfo = std::min<size_t>(data[0] % 2 ? lexavo::kInfoRecordBytes : data[0], size - 2);
    const uint8_t* rest = data + 2 + nfo;
    const size_t restSize = size - 2 - nfo;
    const size_t dt1 = restSize * data[1] / 255;
    writeFile(dir + "/f.nfo", data + 2, nfo);
    writeFile(dir + "/f.dt1", rest, dt1);
    writeFile(dir + "/f.dt2", rest + dt1, restSize - dt1);
    writeFile(dir + "/lexavo.ini", data, size);

    state->catalogue.scanCatalogue(dir);
    // The names in another case, as on a file system that keeps case but ignores it.
    state->store.loadDictionary(dir, lexavo::fileNamesFor(data[0] % 4 == 0 ? "F.NFO" : "f.nfo"));
    std::string bytes;
    (void)lexavo::readRegularFile(dir + "/f.dt2", data[1], bytes);
    for (uint32_t s = 0; s < state->store.headwordCount() && s < 4; ++s) {
        const std::string word(state->store.headword(s));
        // Every beginning of the headword, as typed, and its capitalised form.
        for (size_t n = 1; n <= word.size(); ++n) {
            state->inputWord.set(word.substr(0, n));
            state->prefixSearch.run(state->store, state->inputWord.data(), 0);
        }
        std::string upper = word;
        for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
        state->inputWord.set(upper);
        state->prefixSearch.run(state->store, state->inputWord.data(), 0);
        state->inputWord.set(word);
        (void)lexavo::decideTranslate(state->store, word);
        state->entryReader.collectEntryMeanings(state->store, word);
        state->entryReader.settleFileWatch();
        state->entryCanvas.setPictureSize(state->entryCanvas.canvasWidth(), 20);
        state->entryCanvas.setNextLineY(5);
        state->entryLayout.layoutEntry(state->entryReader, state->inputWord.data(),
                                       state->entryCanvas, lexavo::kDefaultDpi);
        for (size_t i = 0; i < state->entryLayout.historyLineCount(); ++i) {
            (void)state->entryLayout.historyLine(i);
        }
    }
    std::string result;
    state->translator.translate(state->store, state->entryReader,
                                std::string(reinterpret_cast<const char*>(rest), restSize),
                                lexavo::FixedTranslations::kNone, result);
    lexavo::ConfigRecord record;
    lexavo::readConfigRecord(dir, record);
    (void)lexavo::splitTextLines(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
