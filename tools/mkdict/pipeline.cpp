#include "pipeline.h"

#include "dictd_reader.h"
#include "ding_reader.h"
#include "pivot.h"
#include "ranking.h"
#include "reviewed.h"
#include "tsv_reader.h"

namespace lexavo::mkdict {

namespace {

bool readAll(const std::vector<Source>& sources, Lexicon& lexicon, std::string& error) {
    for (const Source& s : sources) {
        if (!readSource(s, lexicon, error)) return false;
    }
    return true;
}

bool applyReviewed(const std::vector<std::string>& paths, Lexicon& lexicon, Report& report,
                   std::string& error) {
    ReviewedList list;
    for (const std::string& path : paths) {
        if (!list.read(path, error)) return false;
    }
    list.apply(lexicon, report);
    return true;
}

bool readTable(const std::string& prefix, WordTable& table, std::string& error) {
    return prefix.empty() || table.read(prefix, error);
}

}  // namespace

bool readSource(const Source& source, Lexicon& lexicon, std::string& error) {
    switch (source.kind) {
        case Source::Kind::kTsv:
            return readTsv(source.path, lexicon, error);
        case Source::Kind::kDing:
            return readDing(source.path, lexicon, error);
        case Source::Kind::kDictd: {
            std::vector<DictdArticle> articles;
            if (!readDictd(source.path, articles, error)) return false;
            addFreedictArticles(articles, lexicon);
            return true;
        }
    }
    return false;
}

bool buildLexicon(const Recipe& recipe, Lexicon& result, Report& report, std::string& error) {
    WordTable headTable, meaningTable, pivotTable;
    if (!readTable(recipe.headwordWords, headTable, error) ||
        !readTable(recipe.meaningWords, meaningTable, error) ||
        !readTable(recipe.pivotWords, pivotTable, error)) {
        return false;
    }
    auto table = [](const WordTable& t) { return t.empty() ? nullptr : &t; };
    Lexicon confirming;
    if (!readAll(recipe.confirmBy, confirming, error)) return false;
    const Confirmations confirmations = confirmationsFrom(confirming);

    Lexicon input;
    if (!readAll(recipe.inputs, input, error)) return false;
    if (!recipe.pivotThrough.empty()) {
        Lexicon through;
        if (!readAll(recipe.pivotThrough, through, error)) return false;
        rankSenses(through, confirmations, recipe.weights,
                   Evidence{table(pivotTable), table(meaningTable)});
        mergeDuplicateSenses(input);
        result = pivotLexicon(input, through, PivotRules{},
                              Evidence{table(headTable), table(meaningTable)}, recipe.weights);
    } else {
        result = std::move(input);
        if (recipe.rank)
            rankSenses(result, confirmations, recipe.weights,
                       Evidence{table(headTable), table(meaningTable)});
    }
    if (recipe.invert) {
        if (!recipe.reviewedBeforeInvert.empty()) {
            Report ignored;
            if (!applyReviewed(recipe.reviewedBeforeInvert, result, ignored, error)) return false;
        }
        result = invertLexicon(result, 3, Evidence{table(meaningTable), table(headTable)},
                               recipe.weights);
        if (!readAll(recipe.addAfterInvert, result, error)) return false;
        mergeDuplicateSenses(result);
        addConfirmationBonus(result, confirmations, recipe.weights.confirmed);
        sortByScore(result);
        for (Headword& h : result.headwords()) {
            if (h.senses.size() > recipe.invertedMeanings) h.senses.resize(recipe.invertedMeanings);
        }
    }
    return recipe.reviewed.empty() || applyReviewed(recipe.reviewed, result, report, error);
}

}  // namespace lexavo::mkdict
