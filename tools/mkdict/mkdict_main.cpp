// lexavo-mkdict: builds a dictionary set (<stem>.nfo, .dt1, .dt2) from open data.
//
//   lexavo-mkdict --out DIR --stem STEM --title T --direction D --label L --locale cs|de|en
//                 [--tsv FILE] [--dictd BASE] [--ding FILE]      inputs, headword -> meanings
//                 [--pivot-dictd BASE]   pivot the inputs through this dictionary
//                 [--confirm-dictd BASE] reverse dictionary that confirms pairs for ranking
//                 [--rank] [--invert] [--add-dictd BASE] [--letter-word WORD]
//                 [--czech-meanings]     the ranked (or pivot) dictionary is into Czech
//                 [--report FILE]
//   lexavo-mkdict --score LIST --out DIR --stem STEM [--verbose]

#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "compile.h"
#include "pipeline.h"
#include "score.h"

using namespace lexavo::mkdict;

namespace {

int usage() {
    std::cerr << "usage: lexavo-mkdict --out DIR --stem STEM --title T --direction D --label L\n"
                 "         --locale cs|de|en [--tsv FILE] [--dictd BASE] [--ding FILE]\n"
                 "         [--pivot-dictd BASE] [--confirm-dictd BASE] [--rank] [--invert]\n"
                 "         [--add-dictd BASE] [--letter-word WORD] [--czech-meanings]\n"
                 "         [--report FILE]\n"
                 "       lexavo-mkdict --score LIST --out DIR --stem STEM [--verbose]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    SetOptions options;
    Recipe recipe;
    std::string reportPath;
    std::string scoreList;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= argc) return false;
            target = argv[++i];
            return true;
        };
        auto source = [&](std::vector<Source>& list, Source::Kind kind) {
            std::string path;
            if (!value(path)) return false;
            list.push_back(Source{kind, path});
            return true;
        };
        bool ok = true;
        if (arg == "--out")
            ok = value(options.outputDir);
        else if (arg == "--stem")
            ok = value(options.stem);
        else if (arg == "--title")
            ok = value(options.title);
        else if (arg == "--direction")
            ok = value(options.direction);
        else if (arg == "--label")
            ok = value(options.wordLabel);
        else if (arg == "--locale")
            ok = value(options.locale);
        else if (arg == "--report")
            ok = value(reportPath);
        else if (arg == "--letter-word")
            ok = value(options.letterWord);
        else if (arg == "--score")
            ok = value(scoreList);
        else if (arg == "--tsv")
            ok = source(recipe.inputs, Source::Kind::kTsv);
        else if (arg == "--dictd")
            ok = source(recipe.inputs, Source::Kind::kDictd);
        else if (arg == "--ding")
            ok = source(recipe.inputs, Source::Kind::kDing);
        else if (arg == "--pivot-dictd")
            ok = source(recipe.pivotThrough, Source::Kind::kDictd);
        else if (arg == "--confirm-dictd")
            ok = source(recipe.confirmBy, Source::Kind::kDictd);
        else if (arg == "--add-dictd")
            ok = source(recipe.addAfterInvert, Source::Kind::kDictd);
        else if (arg == "--czech-meanings")
            recipe.weights.czechMeanings = true;
        else if (arg == "--rank")
            recipe.rank = true;
        else if (arg == "--invert")
            recipe.invert = true;
        else if (arg == "--verbose")
            verbose = true;
        else
            ok = false;
        if (!ok) return usage();
    }
    if (options.outputDir.empty() || options.stem.empty()) return usage();
    std::string error;

    if (!scoreList.empty()) {
        Score score;
        if (!scoreFirstMeanings(options.outputDir, options.stem, scoreList, verbose, std::cout,
                                score, error)) {
            std::cerr << "lexavo-mkdict: " << error << "\n";
            return 1;
        }
        return 0;
    }

    if (options.locale.empty() || recipe.inputs.empty()) return usage();
    Lexicon lexicon;
    if (!buildLexicon(recipe, lexicon, error)) {
        std::cerr << "lexavo-mkdict: " << error << "\n";
        return 1;
    }
    Report report;
    const bool ok = compileSet(lexicon, options, report, error);
    report.print(std::cout);
    if (!reportPath.empty()) {
        std::ofstream out(reportPath);
        report.print(out);
    }
    if (!ok) {
        std::cerr << "lexavo-mkdict: " << options.stem << ": " << error << "\n";
        return 1;
    }
    return 0;
}
