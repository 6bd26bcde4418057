// The text translator on the bundled English-Czech dictionary: the fast path
// (headword index and record offsets) beside the plain reference algorithm.
//
//   cmake -S . -B build -DLEXAVO_BENCH=ON && cmake --build build --target bundled_dictionaries
//   translate_bench build/bench/translate_bench
//
// When the bundled set has not been built, a generated dictionary of similar size
// stands in for it (the label of every result says which one was used).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "dictionary/dictionary_store.h"
#include "dictionary/headword_index.h"
#include "entry/entry_reader.h"
#include "support/reference_translator.h"
#include "support/test_dictionaries.h"
#include "translator/text_translator.h"

namespace lexavo {
namespace {

constexpr size_t kGeneratedHeadwords = 60000;
// The reference reads the entry file from its start for every word, so it gets a
// short text.
constexpr int64_t kReferenceChars = 600;

const char* const kEnglishWords[] = {
    "the",     "of",     "and",      "to",    "a",      "in",      "is",    "it",      "you",
    "that",    "he",     "was",      "for",   "on",     "are",     "with",  "as",      "his",
    "they",    "be",     "at",       "one",   "have",   "this",    "from",  "or",      "had",
    "by",      "word",   "but",      "what",  "some",   "we",      "can",   "out",     "other",
    "were",    "all",    "there",    "when",  "up",     "use",     "your",  "how",     "said",
    "an",      "each",   "she",      "which", "do",     "their",   "time",  "if",      "will",
    "way",     "about",  "many",     "then",  "them",   "write",   "would", "like",    "so",
    "these",   "her",    "long",     "make",  "thing",  "see",     "him",   "two",     "has",
    "look",    "more",   "day",      "could", "go",     "come",    "did",   "number",  "sound",
    "no",      "most",   "people",   "my",    "over",   "know",    "water", "than",    "call",
    "first",   "who",    "may",      "down",  "side",   "been",    "now",   "find",    "any",
    "new",     "work",   "part",     "take",  "get",    "place",   "made",  "live",    "where",
    "after",   "back",   "little",   "only",  "round",  "man",     "year",  "came",    "show",
    "every",   "good",   "me",       "give",  "our",    "under",   "name",  "very",    "through",
    "just",    "form",   "sentence", "great", "think",  "say",     "help",  "low",     "line",
    "differ",  "turn",   "cause",    "much",  "mean",   "before",  "move",  "right",   "boy",
    "old",     "too",    "same",     "tell",  "does",   "set",     "three", "want",    "air",
    "well",    "also",   "play",     "small", "end",    "put",     "home",  "read",    "hand",
    "port",    "large",  "spell",    "add",   "even",   "land",    "here",  "must",    "big",
    "high",    "such",   "follow",   "act",   "why",    "ask",     "men",   "change",  "went",
    "light",   "kind",   "off",      "need",  "house",  "picture", "try",   "us",      "again",
    "animal",  "point",  "mother",   "world", "near",   "build",   "self",  "earth",   "father",
    "head",    "stand",  "own",      "page",  "should", "country", "found", "answer",  "school",
    "grow",    "study",  "still",    "learn", "plant",  "cover",   "food",  "sun",     "four",
    "between", "state",  "keep",     "eye",   "never",  "last",    "let",   "thought", "city",
    "tree",    "cross",  "farm",     "hard",  "start",  "might",   "story", "saw",     "far",
    "sea",     "London", "Prague",   "don't", "it's",   "Hello",   "I",
};

// An English text of exactly `chars` characters: sentences with capitals,
// punctuation and CR LF line breaks.
std::string englishText(size_t chars) {
    std::mt19937 rng(65535);
    std::string text;
    bool sentenceStart = true;
    while (text.size() < chars) {
        std::string w = kEnglishWords[rng() % std::size(kEnglishWords)];
        if (sentenceStart && w[0] >= 'a' && w[0] <= 'z') w[0] = static_cast<char>(w[0] - 32);
        text += w;
        sentenceStart = false;
        const unsigned r = rng() % 20;
        if (r == 0) {
            text += ".\r\n";
            sentenceStart = true;
        } else if (r < 3) {
            text += ". ";
            sentenceStart = true;
        } else if (r < 5) {
            text += ", ";
        } else {
            text += ' ';
        }
    }
    text.resize(chars);
    return text;
}

// The bundled English-Czech set, or a generated one of similar size.
struct Dictionary {
    Dictionary() {
        const std::string bundled = LEXAVO_BUNDLED_DIR;
        if (std::filesystem::exists(bundled + "/angcze.nfo") &&
            std::filesystem::exists(bundled + "/angcze.dt2")) {
            dir = bundled;
            label = "bundled angcze";
        } else {
            generated = std::make_unique<testing::TempProgramDir>();
            dir = generated->path();
            generate();
            label = "generated stand-in";
        }
        if (store->loadDictionary(dir, {"angcze.nfo", "angcze.dt1", "angcze.dt2"}) !=
            DictionaryStore::LoadResult::kLoaded) {
            label = "dictionary did not load";
        }
        label += " (" + std::to_string(store->headwordCount()) + " headwords)";
    }

    void generate() {
        std::mt19937 rng(1);
        std::vector<testing::TestEntry> entries;
        for (const char* w : kEnglishWords) entries.push_back({w, {"preklad", "vyznam dva"}});
        while (entries.size() < kGeneratedHeadwords) {
            std::string w(3 + rng() % 8, 'a');
            for (auto& c : w) c = static_cast<char>('a' + rng() % 26);
            std::vector<std::string> meanings(1 + rng() % 4, std::string(5 + rng() % 30, 'm'));
            entries.push_back({w, meanings});
        }
        std::shuffle(entries.begin(), entries.end(), rng);
        testing::writeTestSet(*generated, "angcze", kTitleEnglishCzech, "Aj->\xC8j", "w", entries);
    }

    std::unique_ptr<testing::TempProgramDir> generated;
    std::string dir;
    std::string label;
    std::unique_ptr<DictionaryStore> store = std::make_unique<DictionaryStore>();
};

Dictionary& dictionary() {
    static Dictionary d;
    return d;
}

int64_t wordsIn(const std::string& text) {
    int64_t words = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool letter = isWordLetter(static_cast<unsigned char>(text[i]));
        if (letter && (i == 0 || !isWordLetter(static_cast<unsigned char>(text[i - 1])))) ++words;
    }
    return words;
}

void BM_TranslateText(benchmark::State& state) {
    Dictionary& d = dictionary();
    const std::string text = englishText(static_cast<size_t>(state.range(0)));
    auto reader = std::make_unique<EntryReader>();
    auto translator = std::make_unique<TextTranslator>();
    std::string result;
    // The index is built once per load; the first run pays for it, outside the timing.
    translator->translate(*d.store, *reader, text, FixedTranslations::kEnglishIntoCzech, result);
    for (auto _ : state) {
        translator->translate(*d.store, *reader, text, FixedTranslations::kEnglishIntoCzech,
                              result);
        benchmark::DoNotOptimize(result.data());
    }
    state.SetItemsProcessed(state.iterations() * wordsIn(text));
    state.SetLabel(d.label);
}
BENCHMARK(BM_TranslateText)
    ->Arg(kReferenceChars)
    ->Arg(kMaxSourceChars)
    ->Unit(benchmark::kMillisecond);

void BM_TranslateTextReference(benchmark::State& state) {
    Dictionary& d = dictionary();
    const std::string text = englishText(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        TranslationOutcome outcome;
        std::string result = translateTextReference(*d.store, d.dir, text,
                                                    FixedTranslations::kEnglishIntoCzech, outcome);
        benchmark::DoNotOptimize(result.data());
    }
    state.SetItemsProcessed(state.iterations() * wordsIn(text));
    state.SetLabel(d.label);
}
BENCHMARK(BM_TranslateTextReference)
    ->Arg(kReferenceChars)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_BuildHeadwordIndex(benchmark::State& state) {
    Dictionary& d = dictionary();
    auto index = std::make_unique<HeadwordIndex>();
    for (auto _ : state) index->build(*d.store);
    state.SetLabel(d.label);
}
BENCHMARK(BM_BuildHeadwordIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lexavo
