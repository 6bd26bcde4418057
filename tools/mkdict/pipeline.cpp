#include "pipeline.h"

#include "dictd_reader.h"
#include "ding_reader.h"
#include "pivot.h"
#include "ranking.h"
#include "tsv_reader.h"

namespace lexavo::mkdict {

namespace {

bool readAll(const std::vector<Source>& sources, Lexicon& lexicon, std::string& error) {
    for (const Source& s : sources) {
        if (!readSource(s, lexicon, error)) return false;
    }
    return true;
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

bool buildLexicon(const Recipe& recipe, Lexicon& result, std::string& error) {
    Lexicon confirming;
    if (!readAll(recipe.confirmBy, confirming, error)) return false;
    const Confirmations confirmations = confirmationsFrom(confirming);

    Lexicon input;
    if (!readAll(recipe.inputs, input, error)) return false;
    if (!recipe.pivotThrough.empty()) {
        Lexicon through;
        if (!readAll(recipe.pivotThrough, through, error)) return false;
        rankSenses(through, confirmations, recipe.weights);
        mergeDuplicateSenses(input);
        result = pivotLexicon(input, through);
    } else {
        result = std::move(input);
        if (recipe.rank) rankSenses(result, confirmations, recipe.weights);
    }
    if (recipe.invert) {
        result = invertLexicon(result);
        if (!readAll(recipe.addAfterInvert, result, error)) return false;
        mergeDuplicateSenses(result);
        addConfirmationBonus(result, confirmations, recipe.weights.confirmed);
        sortByScore(result);
        for (Headword& h : result.headwords()) {
            if (h.senses.size() > recipe.invertedMeanings) h.senses.resize(recipe.invertedMeanings);
        }
    }
    return true;
}

}  // namespace lexavo::mkdict
