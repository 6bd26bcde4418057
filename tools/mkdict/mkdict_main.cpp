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

#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

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

}  // namespace

int main(int argc, char** argv) {
    SetOptions options;
    Recipe recipe;
    std::string reportPath;
    std::string scoreList;
    std::string judgedList;
    std::string commonest, skip = "0", sample = "0", seed = "1";
    bool verbose = false;
    bool dump = false;
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
        else if (arg == "--judged")
            ok = value(judgedList);
        else if (arg == "--commonest")
            ok = value(commonest);
        else if (arg == "--skip")
            ok = value(skip);
        else if (arg == "--sample")
            ok = value(sample);
        else if (arg == "--seed")
            ok = value(seed);
        else if (arg == "--head-words")
            ok = value(recipe.headwordWords);
        else if (arg == "--meaning-words")
            ok = value(recipe.meaningWords);
        else if (arg == "--pivot-words")
            ok = value(recipe.pivotWords);
        else if (arg == "--reviewed")
            ok = value(recipe.reviewed.emplace_back());
        else if (arg == "--reviewed-before-invert")
            ok = value(recipe.reviewedBeforeInvert.emplace_back());
        else if (arg == "--reviewed-pivot")
            ok = value(recipe.reviewedPivot.emplace_back());
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
        else if (arg == "--dump")
            dump = true;
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

    if (!judgedList.empty()) {
        Judged judged;
        if (!tallyJudged(options.outputDir, options.stem, judgedList, verbose, std::cout, judged,
                         error)) {
            std::cerr << "lexavo-mkdict: " << error << "\n";
            return 1;
        }
        return 0;
    }
    if (dump) {
        if (!dumpSet(options.outputDir, options.stem, std::cout, error)) {
            std::cerr << "lexavo-mkdict: " << error << "\n";
            return 1;
        }
        return 0;
    }
    if (!commonest.empty()) {
        WordTable words;
        if (!words.read(recipe.headwordWords, error) ||
            !listCommonest(
                options.outputDir, options.stem, words,
                CommonestOptions{std::stoul(commonest), std::stoul(skip), std::stoul(sample),
                                 static_cast<unsigned>(std::stoul(seed))},
                std::cout, error)) {
            std::cerr << "lexavo-mkdict: " << error << "\n";
            return 1;
        }
        return 0;
    }

    if (options.locale.empty() || recipe.inputs.empty()) return usage();
    Lexicon lexicon;
    Report report;
    recipe.germanMeanings =
        lexavo::utf8ToCp1250(options.direction) == lexavo::kDirectionCzechGerman;
    if (!buildLexicon(recipe, lexicon, report, error)) {
        std::cerr << "lexavo-mkdict: " << error << "\n";
        return 1;
    }
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
