// lexavo-mkdict: builds a dictionary set (<stem>.nfo, .dt1, .dt2) from open data.
//
//   lexavo-mkdict --out DIR --stem STEM --title T --direction D --label L --locale cs|de|en
//                 [--tsv FILE] [--dictd BASE] [--ding FILE]      inputs, headword -> meanings
//                 [--pivot-dictd BASE]   pivot the inputs through this dictionary
//                 [--confirm-dictd BASE] reverse dictionary that confirms pairs for ranking
//                 [--rank] [--invert] [--add-dictd BASE] [--letter-word WORD]
//                 [--czech-meanings]     the ranked (or pivot) dictionary is into Czech
//                 [--head-words P] [--meaning-words P] [--pivot-words P]
//                                        word tables (data/wordtables/<lang>) of the
//                                        input's headwords, meanings and pivots
//                 [--reviewed FILE]...   reviewed order of the commonest headwords
//                 [--reviewed-before-invert FILE]...  the other direction's, before --invert
//                 [--reviewed-pivot FILE]...  the pivot dictionary's set's, before the pivot
//                 [--report FILE]
//   lexavo-mkdict --score LIST --out DIR --stem STEM [--verbose]
//   lexavo-mkdict --judged FILE --out DIR --stem STEM [--verbose]
//   lexavo-mkdict --dump --out DIR --stem STEM
//   lexavo-mkdict --commonest N --head-words P --out DIR --stem STEM [--skip M]
//                 [--sample K --seed S]

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "compile.h"
#include "dictionary/formats.h"
#include "pipeline.h"
#include "score.h"
#include "text/cp1250.h"

using namespace lexavo::mkdict;

namespace {

int usage() {
    std::cerr << "usage: lexavo-mkdict --out DIR --stem STEM --title T --direction D --label L\n"
                 "         --locale cs|de|en [--tsv FILE] [--dictd BASE] [--ding FILE]\n"
                 "         [--pivot-dictd BASE] [--confirm-dictd BASE] [--rank] [--invert]\n"
                 "         [--add-dictd BASE] [--letter-word WORD] [--czech-meanings]\n"
                 "         [--head-words P] [--meaning-words P] [--pivot-words P]\n"
                 "         [--reviewed FILE]... [--reviewed-before-invert FILE]...\n"
                 "         [--reviewed-pivot FILE]... [--report FILE]\n"
                 "       lexavo-mkdict --score LIST --out DIR --stem STEM [--verbose]\n"
                 "       lexavo-mkdict --judged FILE --out DIR --stem STEM [--verbose]\n"
                 "       lexavo-mkdict --dump --out DIR --stem STEM\n"
                 "       lexavo-mkdict --commonest N --head-words P --out DIR --stem STEM\n"
                 "         [--skip M] [--sample K --seed S]\n";
    return 2;
}

// Everything the command line says.
struct Command {
    SetOptions options;
    Recipe recipe;
    std::string reportPath;
    std::string scoreList;
    std::string judgedList;
    std::string commonest, skip = "0", sample = "0", seed = "1";
    bool verbose = false;
    bool dump = false;
};

void addSource(std::vector<Source>& list, Source::Kind kind, std::string path) {
    list.push_back(Source{kind, std::move(path)});
}

// The options that take a value, and where each puts it.
const struct {
    const char* name;
    void (*store)(Command&, std::string);
} kValueOptions[] = {
    {"--out", [](Command& c, std::string v) { c.options.outputDir = std::move(v); }},
    {"--stem", [](Command& c, std::string v) { c.options.stem = std::move(v); }},
    {"--title", [](Command& c, std::string v) { c.options.title = std::move(v); }},
    {"--direction", [](Command& c, std::string v) { c.options.direction = std::move(v); }},
    {"--label", [](Command& c, std::string v) { c.options.wordLabel = std::move(v); }},
    {"--locale", [](Command& c, std::string v) { c.options.locale = std::move(v); }},
    {"--letter-word", [](Command& c, std::string v) { c.options.letterWord = std::move(v); }},
    {"--report", [](Command& c, std::string v) { c.reportPath = std::move(v); }},
    {"--score", [](Command& c, std::string v) { c.scoreList = std::move(v); }},
    {"--judged", [](Command& c, std::string v) { c.judgedList = std::move(v); }},
    {"--commonest", [](Command& c, std::string v) { c.commonest = std::move(v); }},
    {"--skip", [](Command& c, std::string v) { c.skip = std::move(v); }},
    {"--sample", [](Command& c, std::string v) { c.sample = std::move(v); }},
    {"--seed", [](Command& c, std::string v) { c.seed = std::move(v); }},
    {"--head-words", [](Command& c, std::string v) { c.recipe.headwordWords = std::move(v); }},
    {"--meaning-words", [](Command& c, std::string v) { c.recipe.meaningWords = std::move(v); }},
    {"--pivot-words", [](Command& c, std::string v) { c.recipe.pivotWords = std::move(v); }},
    {"--reviewed", [](Command& c, std::string v) { c.recipe.reviewed.push_back(std::move(v)); }},
    {"--reviewed-before-invert",
     [](Command& c, std::string v) { c.recipe.reviewedBeforeInvert.push_back(std::move(v)); }},
    {"--reviewed-pivot",
     [](Command& c, std::string v) { c.recipe.reviewedPivot.push_back(std::move(v)); }},
    {"--tsv", [](Command& c, std::string v) { addSource(c.recipe.inputs, Source::Kind::kTsv, v); }},
    {"--dictd",
     [](Command& c, std::string v) { addSource(c.recipe.inputs, Source::Kind::kDictd, v); }},
    {"--ding",
     [](Command& c, std::string v) { addSource(c.recipe.inputs, Source::Kind::kDing, v); }},
    {"--pivot-dictd",
     [](Command& c, std::string v) { addSource(c.recipe.pivotThrough, Source::Kind::kDictd, v); }},
    {"--confirm-dictd",
     [](Command& c, std::string v) { addSource(c.recipe.confirmBy, Source::Kind::kDictd, v); }},
    {"--add-dictd",
     [](Command& c, std::string v) {
         addSource(c.recipe.addAfterInvert, Source::Kind::kDictd, v);
     }},
};

// The options without a value.
const struct {
    const char* name;
    void (*set)(Command&);
} kFlags[] = {
    {"--czech-meanings", [](Command& c) { c.recipe.weights.czechMeanings = true; }},
    {"--rank", [](Command& c) { c.recipe.rank = true; }},
    {"--invert", [](Command& c) { c.recipe.invert = true; }},
    {"--dump", [](Command& c) { c.dump = true; }},
    {"--verbose", [](Command& c) { c.verbose = true; }},
};

// False on an unknown option or a value missing.
bool parse(int argc, char** argv, Command& command) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto flag = std::find_if(std::begin(kFlags), std::end(kFlags),
                                       [&](const auto& f) { return arg == f.name; });
        if (flag != std::end(kFlags)) {
            flag->set(command);
            continue;
        }
        const auto option = std::find_if(std::begin(kValueOptions), std::end(kValueOptions),
                                         [&](const auto& o) { return arg == o.name; });
        if (option == std::end(kValueOptions) || i + 1 >= argc) return false;
        option->store(command, argv[++i]);
    }
    return !command.options.outputDir.empty() && !command.options.stem.empty();
}

int failed(const std::string& error) {
    std::cerr << "lexavo-mkdict: " << error << "\n";
    return 1;
}

// The measures of a written set (--score, --judged, --dump, --commonest); -1 when the
// command asks for none of them.
int measure(const Command& c) {
    const SetOptions& o = c.options;
    Status done;
    if (!c.scoreList.empty()) {
        Score score;
        done = scoreFirstMeanings(o.outputDir, o.stem, c.scoreList, c.verbose, std::cout, score);
    } else if (!c.judgedList.empty()) {
        Judged judged;
        done = tallyJudged(o.outputDir, o.stem, c.judgedList, c.verbose, std::cout, judged);
    } else if (c.dump) {
        done = dumpSet(o.outputDir, o.stem, std::cout);
    } else if (!c.commonest.empty()) {
        WordTable words;
        const CommonestOptions counts{std::stoul(c.commonest), std::stoul(c.skip),
                                      std::stoul(c.sample),
                                      static_cast<unsigned>(std::stoul(c.seed))};
        done = words.read(c.recipe.headwordWords);
        if (done.ok()) done = listCommonest(o.outputDir, o.stem, words, counts, std::cout);
    } else {
        return -1;
    }
    return done.ok() ? 0 : failed(done.message());
}

// Builds the set the recipe describes and writes it with its report.
int build(Command& c) {
    Lexicon lexicon;
    Report report;
    c.recipe.germanMeanings =
        lexavo::utf8ToCp1250(c.options.direction) == lexavo::kDirectionCzechGerman;
    if (Status s = buildLexicon(c.recipe, lexicon, report); !s.ok()) return failed(s.message());
    const Status written = compileSet(lexicon, c.options, report);
    report.print(std::cout);
    if (!c.reportPath.empty()) {
        std::ofstream out(c.reportPath);
        report.print(out);
    }
    return written.ok() ? 0 : failed(c.options.stem + ": " + written.message());
}

}  // namespace

int main(int argc, char** argv) {
    Command command;
    if (!parse(argc, argv, command)) return usage();
    if (const int measured = measure(command); measured >= 0) return measured;
    if (command.options.locale.empty() || command.recipe.inputs.empty()) return usage();
    return build(command);
}
