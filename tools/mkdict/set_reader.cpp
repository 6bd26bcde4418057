#include "set_reader.h"

#include <fstream>
#include <sstream>

#include "dictionary/dictionary_store.h"
#include "text/cp1250.h"

namespace lexavo::mkdict {

std::vector<std::string> splitRecord(const std::string& text) {
    std::vector<std::string> meanings(1);
    for (char c : text) {
        if (c == kMeaningSeparator) {
            meanings.emplace_back();
        } else {
            meanings.back().push_back(c);
        }
    }
    return meanings;
}

Status readSetBack(const std::string& dir, const std::string& stem, LoadedSet& out) {
    DictionaryStore store;
    if (store.loadDictionary(dir, {stem + ".nfo", stem + ".dt1", stem + ".dt2"}) !=
        DictionaryStore::LoadResult::kLoaded) {
        return Status::failure("cannot load " + stem + " from " + dir);
    }
    out.info = store.dictInfo();
    out.startIndex = store.startIndex();
    out.headwords.clear();
    for (uint32_t s = 0; s < store.headwordCount(); ++s)
        out.headwords.emplace_back(store.headword(s));

    std::ifstream in(dir + "/" + stem + ".dt2", std::ios::binary);
    if (!in) return Status::failure("cannot open " + stem + ".dt2");
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string data = bytes.str();
    std::vector<std::string> records;
    size_t start = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] != kRecordTerminator) continue;
        records.push_back(unscramble(std::string_view(data).substr(start, i - start)));
        start = i + 1;
    }
    out.entryRecords = records.size();
    out.entries.clear();
    for (size_t s = 0; s < out.headwords.size(); ++s) {
        const size_t record =
            static_cast<size_t>(entryRecordOfSlot(out.info.title(), static_cast<uint32_t>(s)));
        if (record >= records.size()) {
            return Status::failure("the entry file ends before the record of slot " +
                                   std::to_string(s));
        }
        out.entries.push_back(splitRecord(records[record]));
    }
    return {};
}

}  // namespace lexavo::mkdict
