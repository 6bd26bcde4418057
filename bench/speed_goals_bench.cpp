// The speed of the program's lookups at full capacity and on real text, each beside
// the reference it is judged by, measured in the same run:
//
//   BM_EntryLookupAtCapacity/{first,middle,last} and ...Plain: the translate
//     command's entry lookup in a generated set of 400,000 headwords (~20 MB of
//     entries), with the reader the program uses and with the plain one that reads
//     the entry file from its start;
//   BM_TranslateRealText and BM_TranslateRealTextPlain: the GPL texts of
//     /usr/share/common-licenses with the bundled English-Czech set, the plain
//     algorithm on the first 6,000 characters only;
//   BM_TranslateRealTextWithBaseForms/cold:{0,1}: the same with base forms looked up
//     for the words that have no headword as written, warm and cold;
//   BM_LoadSpellingDictionary/language:{1,3,2}: Czech, German and English Hunspell
//     dictionaries loaded, as at the first word that needs one;
//   BM_FirstInflectedLookup/{first,later,unprepared}: an inflected Czech word in the
//     bundled Czech-English set as the first such word after start-up, as a later
//     one, and as the first one without the load that start-up begins;
//   BM_LoadDictionary/{angcze,nemcze} beside BM_ReadFile/{angcze,nemcze}, reading the
//     same .dt1 file into memory;
//   BM_ExactLookupsPerSecond and ...Plain: random headwords of angcze through the
//     dictionary page's lookup (the translate command's decision, then the entry);
//   BM_StatEntryFile: one look at the entry file (a stat of its name), which a lookup
//     now makes only after the change watch has seen a change there;
//   BM_DecodeHeadwords: the load's decode without the file, and ...Scalar: the same
//     record by record, as on a processor without AVX2.
//
// scripts/bench.sh runs them with repetitions and prints the medians side by side.

#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "dictionary/dictionary_store.h"
#include "dictionary/headword_records.h"
#include "entry/entry_reader.h"
#include "lookup/exact_lookup.h"
#include "lookup/suggestions.h"
#include "morphology/hunspell_base_forms.h"
#include "support/reference_entry_reader.h"
#include "support/reference_exact_lookup.h"
#include "support/reference_translator.h"
#include "support/test_dictionaries.h"
#include "text/cp1250.h"
#include "translator/text_translator.h"

namespace lexavo {
namespace {

constexpr uint32_t kCapacity = kHeadwordSlots;
constexpr size_t kPlainTextChars = 6000;
constexpr int kRandomWords = 10000;
constexpr int kRandomWordsPlain = 20;

std::string bundledDir() { return LEXAVO_BUNDLED_DIR; }

bool bundledSet(const std::string& stem) {
    return std::filesystem::exists(bundledDir() + "/" + stem + ".dt1");
}

// A set filling every slot: headwords "w0000000" up, five meanings of about ten
// bytes each, so that the entry file holds about 20 MB.
struct CapacitySet {
    testing::TempProgramDir dir;
    std::unique_ptr<DictionaryStore> store = std::make_unique<DictionaryStore>();
    CapacitySet() {
        std::vector<testing::TestEntry> entries(kCapacity);
        char word[16];
        for (uint32_t i = 0; i < kCapacity; ++i) {
            std::snprintf(word, sizeof word, "w%07u", i);
            entries[i].headword = word;
            entries[i].meanings = {"prvni " + std::string(word), "druhy vyznam", "treti vyznam",
                                   "ctvrty", "paty vyznam " + std::string(word)};
        }
        // Slot 0 holds "xw" so that the start slot of 'w' (the key is a headword's
        // second letter) is slot 0.
        entries[0].headword = "xw";
        testing::writeTestSet(dir, "angcze", kTitleEnglishCzech, "Aj->\xC8j", "w", entries);
        store->loadDictionary(dir.path(), {"angcze.nfo", "angcze.dt1", "angcze.dt2"});
    }
    std::string wordAt(int64_t position) const {
        const uint32_t slots[] = {1, kCapacity / 2, kCapacity - 1};
        return std::string(store->headword(slots[position]));
    }
};

CapacitySet& capacitySet() {
    static CapacitySet s;
    return s;
}

void positionLabel(benchmark::State& state) {
    static const char* const names[] = {"first", "middle", "last"};
    state.SetLabel(names[state.range(0)]);
}

void BM_EntryLookupAtCapacity(benchmark::State& state) {
    CapacitySet& s = capacitySet();
    const std::string word = s.wordAt(state.range(0));
    auto reader = std::make_unique<EntryReader>();
    reader->collectEntryMeanings(*s.store, word);  // the index and the file
    for (auto _ : state) {
        reader->collectEntryMeanings(*s.store, word);
        benchmark::DoNotOptimize(reader->entryMeanings.count);
    }
    if (reader->entryMeanings.count != 5) state.SkipWithError("entry not found");
    positionLabel(state);
}
BENCHMARK(BM_EntryLookupAtCapacity)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_EntryLookupAtCapacityPlain(benchmark::State& state) {
    CapacitySet& s = capacitySet();
    const std::string word = s.wordAt(state.range(0));
    HomographSlots homographs{};
    auto record = std::make_unique<MeaningTable>();
    auto entry = std::make_unique<MeaningTable>();
    for (auto _ : state) {
        collectEntryMeaningsReference(*s.store, s.dir.path(), word, homographs, *record, *entry);
        benchmark::DoNotOptimize(entry->count);
    }
    positionLabel(state);
}
BENCHMARK(BM_EntryLookupAtCapacityPlain)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The GPL texts one after the other, lines ended by CR LF as the memo hands them
// over, cut to the translator's largest piece.
std::string gplText(size_t chars) {
    std::string text;
    for (const char* name : {"GPL-1", "GPL-2", "GPL-3"}) {
        std::ifstream in(std::string("/usr/share/common-licenses/") + name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        for (char c : s.str()) {
            if (c == '\n') text.push_back('\r');
            text.push_back(c);
        }
    }
    if (text.size() > chars) text.resize(chars);
    return text;
}

struct EnglishCzech {
    std::unique_ptr<DictionaryStore> store = std::make_unique<DictionaryStore>();
    bool loaded = false;
    EnglishCzech() {
        loaded = store->loadDictionary(bundledDir(), {"angcze.nfo", "angcze.dt1", "angcze.dt2"}) ==
                     DictionaryStore::LoadResult::kLoaded &&
                 store->headwordCount() > 0;
    }
};

EnglishCzech& englishCzech() {
    static EnglishCzech e;
    return e;
}

void BM_TranslateRealText(benchmark::State& state) {
    EnglishCzech& e = englishCzech();
    if (!e.loaded) return state.SkipWithError("the bundled angcze set is not built");
    const std::string text = gplText(kMaxSourceChars);
    auto reader = std::make_unique<EntryReader>();
    auto translator = std::make_unique<TextTranslator>();
    std::string result;
    // The first run builds the index and reads the entry file, as the first
    // translation after a load does.
    translator->translate(*e.store, *reader, text, FixedTranslations::kEnglishIntoCzech, result);
    for (auto _ : state) {
        translator->translate(*e.store, *reader, text, FixedTranslations::kEnglishIntoCzech,
                              result);
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["chars"] = static_cast<double>(text.size());
}
BENCHMARK(BM_TranslateRealText)->Unit(benchmark::kMillisecond);

// The same text with base forms looked up for every word that has no headword as
// written, as the program does. Warm: every word's forms were worked out in an
// earlier run. Cold: the forms worked out are forgotten before each run (the
// spelling dictionary stays loaded), so every such word goes to Hunspell.
void BM_TranslateRealTextWithBaseForms(benchmark::State& state) {
    EnglishCzech& e = englishCzech();
    if (!e.loaded) return state.SkipWithError("the bundled angcze set is not built");
    const bool cold = state.range(0) != 0;
    const std::string text = gplText(kMaxSourceChars);
    auto reader = std::make_unique<EntryReader>();
    auto translator = std::make_unique<TextTranslator>();
    auto forms = std::make_unique<HunspellBaseForms>(hunspellFolders(bundledDir()));
    translator->setBaseForms(forms.get());
    std::string result;
    const TranslationOutcome first = translator->translate(
        *e.store, *reader, text, FixedTranslations::kEnglishIntoCzech, result);
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            forms->forgetKnownWords();
            state.ResumeTiming();
        }
        translator->translate(*e.store, *reader, text, FixedTranslations::kEnglishIntoCzech,
                              result);
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["chars"] = static_cast<double>(text.size());
    state.counters["words"] = static_cast<double>(first.words);
    state.counters["left"] = static_cast<double>(first.wordsLeft);
}
BENCHMARK(BM_TranslateRealTextWithBaseForms)
    ->ArgName("cold")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// The first word of a language with no headword as written loads that language's
// spelling dictionary: the one pause base forms add, once per run.
void BM_LoadSpellingDictionary(benchmark::State& state) {
    const WordLanguage language = static_cast<WordLanguage>(state.range(0));
    for (auto _ : state) {
        HunspellBaseForms forms(hunspellFolders(bundledDir()));
        if (!forms.hasSpellingDictionary(language))
            return state.SkipWithError("no spelling dictionary");
    }
}
BENCHMARK(BM_LoadSpellingDictionary)
    ->ArgName("language")
    ->Arg(static_cast<int>(WordLanguage::kCzech))
    ->Arg(static_cast<int>(WordLanguage::kGerman))
    ->Arg(static_cast<int>(WordLanguage::kEnglish))
    ->Unit(benchmark::kMillisecond);

// The translate command's decision for an inflected Czech word with base forms from
// Hunspell. Start-up begins loading the set's spelling dictionary in the background
// (prepare); a user takes at least a second to type the first word. Each iteration
// times one word: the first after start-up, a later one (another inflected word
// looked up a second before it), or the first where nothing was prepared (the load is paid by
// the word). The same words are timed in all three.
void BM_FirstInflectedLookup(benchmark::State& state) {
    static const char* const kLabels[] = {"first", "later", "unprepared"};
    static const char* const kWordsUtf8[] = {"obchodě", "neděli",   "koupila", "městě",
                                             "knihami", "zelených", "psala"};
    if (!bundledSet("czeang")) return state.SkipWithError("the bundled czeang set is not built");
    static DictionaryStore* store = [] {
        auto* s = new DictionaryStore;
        s->loadDictionary(bundledDir(), {"czeang.nfo", "czeang.dt1", "czeang.dt2"});
        return s;
    }();
    const int64_t kind = state.range(0);
    state.SetLabel(kLabels[kind]);
    size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const size_t n = std::size(kWordsUtf8);
        const std::string word = utf8ToCp1250(kWordsUtf8[next % n]);
        const std::string before = utf8ToCp1250(kWordsUtf8[(next + 1) % n]);
        ++next;
        auto forms = std::make_unique<HunspellBaseForms>(hunspellFolders(bundledDir()));
        if (kind != 2) forms->prepare(WordLanguage::kCzech);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        if (kind == 1) {
            decideTranslate(*store, before, forms.get());
            // The next word comes after a moment of typing too.
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
        state.ResumeTiming();
        const TranslateDecision d = decideTranslate(*store, word, forms.get());
        state.PauseTiming();
        if (d.action != TranslateAction::kShowBaseForm) {
            return state.SkipWithError("an inflected word was not found by its base form");
        }
        forms.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstInflectedLookup)->DenseRange(0, 2)->Iterations(7)->Unit(benchmark::kMillisecond);

void BM_TranslateRealTextPlain(benchmark::State& state) {
    EnglishCzech& e = englishCzech();
    if (!e.loaded) return state.SkipWithError("the bundled angcze set is not built");
    const std::string text = gplText(kPlainTextChars);
    for (auto _ : state) {
        TranslationOutcome outcome;
        std::string result = translateTextReference(*e.store, bundledDir(), text,
                                                    FixedTranslations::kEnglishIntoCzech, outcome);
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["chars"] = static_cast<double>(text.size());
}
BENCHMARK(BM_TranslateRealTextPlain)->Unit(benchmark::kMillisecond);

const char* stemOf(benchmark::State& state) { return state.range(0) == 0 ? "angcze" : "nemcze"; }

void BM_LoadDictionary(benchmark::State& state) {
    const std::string stem = stemOf(state);
    if (!bundledSet(stem)) return state.SkipWithError("the bundled set is not built");
    auto store = std::make_unique<DictionaryStore>();
    for (auto _ : state) {
        store->loadDictionary(bundledDir(), {stem + ".nfo", stem + ".dt1", stem + ".dt2"});
        benchmark::DoNotOptimize(store->headwordCount());
    }
    state.SetLabel(stem);
    state.counters["headwords"] = store->headwordCount();
}
BENCHMARK(BM_LoadDictionary)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

void BM_ReadFile(benchmark::State& state) {
    const std::string stem = stemOf(state);
    if (!bundledSet(stem)) return state.SkipWithError("the bundled set is not built");
    const std::string path = bundledDir() + "/" + stem + ".dt1";
    std::string data(std::filesystem::file_size(path), '\0');
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        const size_t got = std::fread(data.data(), 1, data.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(got);
    }
    state.SetLabel(stem);
}
BENCHMARK(BM_ReadFile)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// Random headwords of the set, as a user would type them: folded, since the
// translate command folds the field.
std::vector<std::string> randomHeadwords(const DictionaryStore& store, int count) {
    std::mt19937 rng(10000);
    std::vector<std::string> words;
    while (static_cast<int>(words.size()) < count) {
        const std::string w = foldAscii(store.headword(rng() % store.headwordCount()));
        if (w.size() >= 2) words.push_back(w);
    }
    return words;
}

// Every headword of the four bundled sets, and their English headwords again with an
// "s", up to the full 400,000 slots: a store as large as a set can be, of real words.
struct FullStore {
    std::unique_ptr<DictionaryStore> store = std::make_unique<DictionaryStore>();
    bool built = false;
    FullStore() {
        std::vector<std::string> words;
        for (const char* stem : {"angcze", "czeang", "nemcze", "czenem"}) {
            if (!bundledSet(stem)) return;
            DictionaryStore one;
            one.loadDictionary(bundledDir(),
                               {std::string(stem) + ".nfo", std::string(stem) + ".dt1",
                                std::string(stem) + ".dt2"});
            for (uint32_t s = 0; s < one.headwordCount(); ++s) words.emplace_back(one.headword(s));
        }
        for (size_t i = 0; words.size() < kCapacity; ++i) words.push_back(words[i] + "s");
        words.resize(kCapacity);
        for (uint32_t s = 0; s < kCapacity; ++s) store->setSlotForTesting(s, words[s]);
        store->setHeadwordCountForTesting(kCapacity);
        built = true;
    }
};

// A misspelt form of a random headword: one or two letters changed, left out, doubled
// or swapped with the next, as a user's typing errors.
std::string misspelt(std::string word, std::mt19937& rng) {
    const int errors = 1 + static_cast<int>(rng() % 2);
    for (int e = 0; e < errors && word.size() > 2; ++e) {
        const size_t at = rng() % (word.size() - 1);
        switch (rng() % 4) {
            case 0:
                word[at] = static_cast<char>('a' + rng() % 26);
                break;
            case 1:
                word.erase(at, 1);
                break;
            case 2:
                word.insert(at, 1, word[at]);
                break;
            default:
                std::swap(word[at], word[at + 1]);
                break;
        }
    }
    return word;
}

// Suggestions for misspelt words in a full store (400,000 headwords), per query, the
// index already built; beside BM_ExactLookupsPerSecond in the same run.
void BM_Suggest(benchmark::State& state) {
    static FullStore full;
    if (!full.built) return state.SkipWithError("the bundled sets are not built");
    std::mt19937 rng(2026);
    std::vector<std::string> queries;
    while (queries.size() < 2000) {
        const std::string w(full.store->headword(rng() % kCapacity));
        if (w.size() >= 4) queries.push_back(misspelt(w, rng));
    }
    Suggester suggester;
    suggester.suggest(*full.store, "x", Suggester::Reach::kEverything);  // builds the index
    size_t i = 0;
    for (auto _ : state) {
        const auto got = suggester.suggest(*full.store, queries[i++ % queries.size()],
                                           Suggester::Reach::kEverything);
        benchmark::DoNotOptimize(got.data());
    }
    state.counters["headwords"] = kCapacity;
}
BENCHMARK(BM_Suggest)->Unit(benchmark::kMicrosecond);

// Building the suggestions' index over the full store, once per load.
void BM_SuggestIndexBuild(benchmark::State& state) {
    static FullStore full;
    if (!full.built) return state.SkipWithError("the bundled sets are not built");
    for (auto _ : state) {
        state.PauseTiming();
        Suggester suggester;
        state.ResumeTiming();
        suggester.suggest(*full.store, "x", Suggester::Reach::kAccentTwins);
    }
}
BENCHMARK(BM_SuggestIndexBuild)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ExactLookupsPerSecond(benchmark::State& state) {
    EnglishCzech& e = englishCzech();
    if (!e.loaded) return state.SkipWithError("the bundled angcze set is not built");
    const std::vector<std::string> words = randomHeadwords(*e.store, kRandomWords);
    auto reader = std::make_unique<EntryReader>();
    int64_t shown = 0;
    for (auto _ : state) {
        for (const std::string& w : words) {
            const TranslateDecision d = decideTranslate(*e.store, w);
            if (d.action != TranslateAction::kShowEntry &&
                d.action != TranslateAction::kShowStoredForm) {
                continue;
            }
            reader->collectEntryMeanings(*e.store,
                                         e.store->headword(static_cast<uint32_t>(d.slot)));
            shown += reader->entryMeanings.count > 0;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRandomWords);
    state.counters["shown"] = static_cast<double>(shown) / state.iterations();
}
BENCHMARK(BM_ExactLookupsPerSecond)->Unit(benchmark::kMillisecond);

void BM_ExactLookupsPerSecondPlain(benchmark::State& state) {
    EnglishCzech& e = englishCzech();
    if (!e.loaded) return state.SkipWithError("the bundled angcze set is not built");
    const std::vector<std::string> words = randomHeadwords(*e.store, kRandomWordsPlain);
    HomographSlots homographs{};
    auto record = std::make_unique<MeaningTable>();
    auto entry = std::make_unique<MeaningTable>();
    for (auto _ : state) {
        for (const std::string& w : words) {
            int32_t slot = findExactSlotByScan(*e.store, w);
            if (slot < 0) slot = findFoldedSlotByScan(*e.store, w);
            if (slot < 0) continue;
            collectEntryMeaningsReference(*e.store, bundledDir(),
                                          e.store->headword(static_cast<uint32_t>(slot)),
                                          homographs, *record, *entry);
            benchmark::DoNotOptimize(entry->count);
        }
    }
    state.SetItemsProcessed(state.iterations() * kRandomWordsPlain);
}
BENCHMARK(BM_ExactLookupsPerSecondPlain)->Unit(benchmark::kMillisecond);

// One look at the entry file (a stat of its name): what every lookup on the
// dictionary page paid before the change watch.
void BM_StatEntryFile(benchmark::State& state) {
    const std::string path = bundledDir() + "/angcze.dt2";
    struct stat st {};
    for (auto _ : state) benchmark::DoNotOptimize(::stat(path.c_str(), &st));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StatEntryFile);

// The bytes of a bundled set's .dt1 file.
std::string headwordFileBytes(const std::string& stem) {
    std::ifstream in(bundledDir() + "/" + stem + ".dt1", std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The load's decode alone, over the .dt1 bytes already in memory, into one buffer.
void BM_DecodeHeadwords(benchmark::State& state) {
    const std::string stem = stemOf(state);
    if (!bundledSet(stem)) return state.SkipWithError("the bundled set is not built");
    const std::string data = headwordFileBytes(stem);
    char out[kDecodedHeadwordBytes];
    size_t records = 0;
    for (auto _ : state) {
        records = decodeHeadwordRecords(data, out, 0, kCapacity, [](size_t, const char* h, size_t) {
            benchmark::DoNotOptimize(h);
        });
        benchmark::DoNotOptimize(out);
    }
    state.SetLabel(stem);
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_DecodeHeadwords)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// The same decode record by record, as on a processor without AVX2: the reference the
// vector decode's gain is measured against.
void BM_DecodeHeadwordsScalar(benchmark::State& state) {
    const std::string stem = stemOf(state);
    if (!bundledSet(stem)) return state.SkipWithError("the bundled set is not built");
    const std::string data = headwordFileBytes(stem);
    char out[kDecodedHeadwordBytes];
    size_t records = 0;
    for (auto _ : state) {
        std::string_view rest = data;
        size_t length = 0;
        for (records = 0; records < kCapacity; ++records) {
            if (decodeHeadwordRecord(rest, out, &length) != DecodeStatus::kOk) break;
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetLabel(stem);
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_DecodeHeadwordsScalar)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lexavo
