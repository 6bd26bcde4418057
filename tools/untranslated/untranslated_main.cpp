// lexavo-untranslated: measures how many words of a text the word-by-word
// translator leaves untranslated with a dictionary set.
//
//   lexavo-untranslated --dir DIR --stem STEM [--list] [--no-base-forms] [--print]
//                       [--base-forms-used] TEXT...
//
// Each TEXT (UTF-8) is translated through the program's own translator with the set
// DIR/STEM.{nfo,dt1,dt2}; one line per text gives its words, the words left as they
// stand because no headword was found, and their share. --list adds those words,
// commonest first. Base forms come from Hunspell and the tables of irregular forms,
// as in the program; --no-base-forms leaves them out. --print writes the
// translation (UTF-8) after the line. --base-forms-used lists each word that was
// translated through a base form, with that form.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/dictionary_store.h"
#include "dictionary/formats.h"
#include "entry/entry_reader.h"
#include "morphology/hunspell_base_forms.h"
#include "text/cp1250.h"
#include "translator/text_translator.h"

using namespace lexavo;

namespace {

FixedTranslations fixedFor(const std::string& title) {
    if (title == kTitleEnglishCzech) return FixedTranslations::kEnglishIntoCzech;
    if (title == kTitleCzechEnglish) return FixedTranslations::kCzechIntoEnglish;
    return FixedTranslations::kNone;
}

bool readText(const std::string& path, std::string& cp1250) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream s;
    s << in.rdbuf();
    cp1250.clear();
    for (char c : utf8ToCp1250(s.str())) {
        if (c == '\n') cp1250.push_back('\r');
        cp1250.push_back(c);
    }
    return true;
}

// Calls use(word) for each word of text (a run of letters), in order.
template <class Use>
void forEachWord(const std::string& text, Use use) {
    std::string word;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && isWordLetter(static_cast<unsigned char>(text[i]))) {
            word.push_back(text[i]);
            continue;
        }
        if (!word.empty()) use(word);
        word.clear();
    }
}

// One text's translation, and each word of it translated alone.
struct Run {
    TextTranslator& translator;
    const DictionaryStore& store;
    EntryReader& reader;
    FixedTranslations fixed;

    TranslationOutcome translate(const std::string& text, std::string& result) {
        return translator.translate(store, reader, text, fixed, result);
    }
};

// The words of text left untranslated, each with its count.
std::vector<std::pair<std::string, int>> leftWords(Run& run, const std::string& text) {
    std::map<std::string, int> counts;
    std::string result;
    forEachWord(text, [&](const std::string& word) {
        if (run.translate(word, result).wordsLeft > 0) ++counts[cp1250ToUtf8(word)];
    });
    std::vector<std::pair<std::string, int>> left(counts.begin(), counts.end());
    std::stable_sort(left.begin(), left.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return left;
}

// Each distinct word translated through a base form, with the form, in the order of
// the text.
void printBaseFormsUsed(Run& run, const std::string& text) {
    std::set<std::string> seen;
    std::string result;
    forEachWord(text, [&](const std::string& word) {
        if (seen.insert(word).second && run.translate(word, result).wordsByBaseForm > 0)
            std::printf("  %s -> %s\n", cp1250ToUtf8(word).c_str(),
                        cp1250ToUtf8(run.translator.lastBaseForm()).c_str());
    });
}

}  // namespace

int main(int argc, char** argv) {
    std::string dir, stem;
    bool list = false, baseForms = true, print = false, used = false;
    std::vector<std::string> texts;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dir" && i + 1 < argc)
            dir = argv[++i];
        else if (arg == "--stem" && i + 1 < argc)
            stem = argv[++i];
        else if (arg == "--list")
            list = true;
        else if (arg == "--no-base-forms")
            baseForms = false;
        else if (arg == "--print")
            print = true;
        else if (arg == "--base-forms-used")
            used = true;
        else
            texts.push_back(arg);
    }
    if (dir.empty() || stem.empty() || texts.empty()) {
        std::cerr << "usage: lexavo-untranslated --dir DIR --stem STEM [--list] [--no-base-forms] "
                     "[--print]\n"
                     "         [--base-forms-used] TEXT...\n";
        return 2;
    }
    DictionaryStore store;
    if (store.loadDictionary(dir, {stem + ".nfo", stem + ".dt1", stem + ".dt2"}) !=
        DictionaryStore::LoadResult::kLoaded) {
        std::cerr << "cannot load " << dir << "/" << stem << "\n";
        return 1;
    }
    const FixedTranslations fixed = fixedFor(std::string(store.dictInfo().title()));
    EntryReader reader;
    TextTranslator translator;
    HunspellBaseForms forms(hunspellFolders(dir));
    if (baseForms) translator.setBaseForms(&forms);
    Run run{translator, store, reader, fixed};
    for (const std::string& path : texts) {
        std::string text, result;
        if (!readText(path, text)) {
            std::cerr << "cannot read " << path << "\n";
            return 1;
        }
        const TranslationOutcome outcome = run.translate(text, result);
        const double share = outcome.words ? 100.0 * outcome.wordsLeft / outcome.words : 0.0;
        std::printf("%s: %zu words, %zu left (%.1f %%)\n", path.c_str(), outcome.words,
                    outcome.wordsLeft, share);
        if (print) std::printf("%s\n", cp1250ToUtf8(result).c_str());
        if (used) printBaseFormsUsed(run, text);
        if (!list) continue;
        for (const auto& [word, count] : leftWords(run, text))
            std::printf("  %d %s\n", count, word.c_str());
    }
    return 0;
}
