// The dictionary page's core: the prefix search for "a" and the entry lookup of
// the last headword, with the cached reader and with the plain one that counts
// records from the start of the file.
//
// Runs on the bundled English-Czech set when it has been built into the build
// tree (target bundled_dictionaries); otherwise on a generated set of 150,000
// headwords, which the program's own writer puts into a temporary directory.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "dictionary/dictionary_store.h"
#include "entry/entry_reader.h"
#include "lookup/prefix_search.h"
#include "support/reference_entry_reader.h"
#include "support/test_dictionaries.h"
#include "text/fixed_text.h"

namespace lexavo {
namespace {

constexpr int kGeneratedHeadwords = 150000;

struct LookupData {
    std::unique_ptr<testing::TempProgramDir> generatedDir;
    std::string dir;
    std::unique_ptr<DictionaryStore> store = std::make_unique<DictionaryStore>();
    std::string lastWord;
    bool bundled = false;

    LookupData() {
        const std::string bundledDir = LEXAVO_BUNDLED_DIR;
        if (std::filesystem::exists(bundledDir + "/angcze.nfo") &&
            std::filesystem::exists(bundledDir + "/angcze.dt2")) {
            dir = bundledDir;
            bundled = true;
        } else {
            generatedDir = std::make_unique<testing::TempProgramDir>();
            dir = generatedDir->path();
            generate();
        }
        store->loadDictionary(dir, {"angcze.nfo", "angcze.dt1", "angcze.dt2"});
        lastWord = std::string(store->headword(store->headwordCount() - 1));
    }

    // Headwords of a letter and a number, about 5,800 per letter, three meanings each.
    void generate() {
        std::vector<testing::TestEntry> entries;
        entries.reserve(kGeneratedHeadwords);
        // "xa" makes slot 0 the start slot of the letter a (its key is the second byte).
        entries.push_back({"xa", {"x"}});
        char word[32];
        for (int i = 1; i < kGeneratedHeadwords; ++i) {
            const char first = static_cast<char>('a' + (i * 26) / kGeneratedHeadwords);
            std::snprintf(word, sizeof word, "%c%06d", first, i);
            entries.push_back({word, {"prvni vyznam", "druhy vyznam slova", "treti"}});
        }
        testing::writeTestSet(*generatedDir, "angcze", kTitleEnglishCzech, "Aj->\xC8j", "x",
                              entries);
    }
};

LookupData& data() {
    static LookupData d;
    return d;
}

void BM_PrefixSearchA(benchmark::State& state) {
    LookupData& d = data();
    auto search = std::make_unique<PrefixSearch>();
    FixedText<1000> word;
    for (auto _ : state) {
        word.set("a");
        search->run(*d.store, word.data(), -1);
        benchmark::DoNotOptimize(search->matchCount());
    }
    state.counters["rows"] = search->matchCount();
    state.SetLabel(d.bundled ? "bundled angcze" : "generated 150000");
}
BENCHMARK(BM_PrefixSearchA)->Unit(benchmark::kMicrosecond);

void BM_EntryLookupLastCached(benchmark::State& state) {
    LookupData& d = data();
    auto reader = std::make_unique<EntryReader>();
    for (auto _ : state) {
        reader->collectEntryMeanings(*d.store, d.lastWord);
        benchmark::DoNotOptimize(reader->entryMeanings.count);
    }
    state.SetLabel(d.bundled ? "bundled angcze" : "generated 150000");
}
BENCHMARK(BM_EntryLookupLastCached)->Unit(benchmark::kMicrosecond);

void BM_EntryLookupLastPlain(benchmark::State& state) {
    LookupData& d = data();
    HomographSlots homographs{};
    auto record = std::make_unique<MeaningTable>();
    auto entry = std::make_unique<MeaningTable>();
    for (auto _ : state) {
        collectEntryMeaningsReference(*d.store, d.dir, d.lastWord, homographs, *record, *entry);
        benchmark::DoNotOptimize(entry->count);
    }
    state.SetLabel(d.bundled ? "bundled angcze" : "generated 150000");
}
BENCHMARK(BM_EntryLookupLastPlain)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lexavo
