#include "pipeline.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

#include "compile.h"
#include "dictd_reader.h"
#include "ding_reader.h"
#include "german_plurals.h"
#include "morphology/hunspell_base_forms.h"
#include "pivot.h"
#include "ranking.h"
#include "reviewed.h"
#include "text/cp1250.h"
#include "text_rules.h"
#include "tsv_reader.h"
#include "word_tables.h"

namespace lexavo::mkdict {

namespace {

Status readAll(const std::vector<Source>& sources, Lexicon& lexicon) {
    for (const Source& source : sources) {
        if (Status s = readSource(source, lexicon); !s.ok()) return s;
    }
    return {};
}

// No list, no change.
Status applyReviewed(const std::vector<std::string>& paths, Lexicon& lexicon, Report& report) {
    if (paths.empty()) return {};
    ReviewedList list;
    for (const std::string& path : paths) {
        if (Status s = list.read(path); !s.ok()) return s;
    }
    list.apply(lexicon, report);
    return {};
}

Status readTable(const std::string& prefix, WordTable& table) {
    return prefix.empty() ? Status() : table.read(prefix);
}

// The word tables of a recipe's languages.
struct Tables {
    const WordTable* head;
    const WordTable* meaning;
    const WordTable* pivot;
};

// An inverted pivot the other way round: the target language's words (Czech) through
// the pivot dictionary read backwards (Czech -> English) and the sources read backwards
// (English -> German), with the same inverse consultation.
Lexicon reversePivot(const Lexicon& sourcePivot, const Lexicon& pivotTarget, const Tables& t,
                     const RankWeights& weights) {
    Lexicon targetPivot =
        invertLexicon(pivotTarget, InvertRules{}, Evidence{t.meaning, t.pivot}, weights);
    sortByScore(targetPivot);
    Lexicon pivotSource =
        invertLexicon(sourcePivot, InvertRules{}, Evidence{t.pivot, t.head}, weights);
    sortByScore(pivotSource);
    const BackTranslations back(pivotSource, &sourcePivot);
    RankWeights reverse = weights;
    reverse.czechMeanings = false;  // the meanings are the source language's
    reverse.germanMeanings = true;
    PivotRules rules;
    rules.headClassOnly = true;
    return pivotLexicon(targetPivot, pivotSource, rules, Evidence{t.meaning, t.head}, reverse,
                        &back);
}

// Headwords of `more` that `lexicon` lacks, or has with no meaning, are added with their
// meanings.
void addMissing(Lexicon& lexicon, const Lexicon& more) {
    for (const Headword& h : more.headwords()) {
        const Headword* known = lexicon.find(h.text);
        if (known != nullptr && !known->senses.empty()) continue;
        for (const Sense& s : h.senses) lexicon.add(h.text, s);
    }
}

}  // namespace

Status readSource(const Source& source, Lexicon& lexicon) {
    switch (source.kind) {
        case Source::Kind::kTsv:
            return readTsv(source.path, lexicon);
        case Source::Kind::kDing:
            return readDing(source.path, lexicon);
        case Source::Kind::kDictd: {
            std::vector<DictdArticle> articles;
            if (Status s = readDictd(source.path, articles); !s.ok()) return s;
            addFreedictArticles(articles, lexicon);
            return {};
        }
    }
    return Status::failure("unknown kind of source " + source.path);
}

namespace {

// What one build reads once and its steps share.
struct Build {
    const Recipe& recipe;
    WordTable headTable, meaningTable, pivotTable;
    HunspellBaseForms spelling{hunspellFolders(std::string())};  // German plurals
    Lexicon confirming;
    Confirmations confirmations;
    Lexicon input;    // the sources, headword -> meanings
    Lexicon through;  // the pivot dictionary, ranked, when the recipe pivots
    bool ding = false;

    explicit Build(const Recipe& r) : recipe(r) {}
    // A table, or none where the recipe names none.
    static const WordTable* used(const WordTable& t) { return t.empty() ? nullptr : &t; }
    Evidence evidence(const WordTable& heads, const WordTable& meanings) const {
        return Evidence{used(heads), used(meanings)};
    }
    Tables tables() const { return Tables{used(headTable), used(meaningTable), used(pivotTable)}; }
};

Status readInputs(Build& b) {
    const Recipe& recipe = b.recipe;
    // Each read only once the one before it succeeded: the sources are large.
    if (Status s = readTable(recipe.headwordWords, b.headTable); !s.ok()) return s;
    if (Status s = readTable(recipe.meaningWords, b.meaningTable); !s.ok()) return s;
    if (Status s = readTable(recipe.pivotWords, b.pivotTable); !s.ok()) return s;
    if (Status s = readAll(recipe.confirmBy, b.confirming); !s.ok()) return s;
    if (Status s = readAll(recipe.inputs, b.input); !s.ok()) return s;
    b.confirmations = confirmationsFrom(b.confirming);
    b.ding = std::any_of(recipe.inputs.begin(), recipe.inputs.end(),
                         [](const Source& s) { return s.kind == Source::Kind::kDing; });
    if (b.ding) {
        keepOwnSensesOfPhraseVerbs(b.input);
        addSingulars(b.input, b.spelling);
        tagGermanParticiples(b.input);
    }
    return {};
}

// The sources pivoted through the reviewed pivot dictionary, or ranked as they are.
Status translate(Build& b, Lexicon& result) {
    const Recipe& recipe = b.recipe;
    if (recipe.pivotThrough.empty()) {
        result = b.input;
        if (recipe.rank)
            rankSenses(result, b.confirmations, recipe.weights,
                       b.evidence(b.headTable, b.meaningTable));
        return {};
    }
    if (Status s = readAll(recipe.pivotThrough, b.through); !s.ok()) return s;
    rankSenses(b.through, b.confirmations, recipe.weights,
               b.evidence(b.pivotTable, b.meaningTable));
    Report ignored;
    if (Status s = applyReviewed(recipe.reviewedPivot, b.through, ignored); !s.ok()) return s;
    mergeDuplicateSenses(b.input);
    const BackTranslations back(b.through, &b.confirming);
    result = pivotLexicon(b.input, b.through, PivotRules{}, b.evidence(b.headTable, b.meaningTable),
                          recipe.weights, &back);
    if (b.ding) fillSingulars(result, b.spelling);
    return {};
}

// The other direction: meanings become headwords, a pivoted set's gaps pivoted the other
// way round, each headword's best meanings kept.
Status invert(Build& b, Lexicon& result) {
    const Recipe& recipe = b.recipe;
    Report ignored;
    if (Status s = applyReviewed(recipe.reviewedBeforeInvert, result, ignored); !s.ok()) return s;
    const bool pivoted = !recipe.pivotThrough.empty();
    result = invertLexicon(result, InvertRules{3, pivoted}, b.evidence(b.meaningTable, b.headTable),
                           recipe.weights);
    if (Status s = readAll(recipe.addAfterInvert, result); !s.ok()) return s;
    if (pivoted) addMissing(result, reversePivot(b.input, b.through, b.tables(), recipe.weights));
    mergeDuplicateSenses(result);
    addConfirmationBonus(result, b.confirmations, recipe.weights.confirmed);
    sortByScore(result);
    if (pivoted) {
        keepConfirmedMeanings(result);
    } else if (!b.headTable.empty()) {
        keepKnownWordsBehindTheFirst(result, b.headTable);
    }
    for (Headword& h : result.headwords()) {
        if (h.senses.size() > recipe.invertedMeanings) h.senses.resize(recipe.invertedMeanings);
    }
    return {};
}

}  // namespace

// The word of text around byte at: up to the blanks on either side.
std::string_view wordAround(std::string_view text, size_t at) {
    const size_t from = text.rfind(' ', at);
    const size_t begin = from == std::string_view::npos ? 0 : from + 1;
    const size_t to = text.find(' ', at);
    return text.substr(begin, (to == std::string_view::npos ? text.size() : to) - begin);
}

// German written both with "ss" and with "ß" in one entry ("Nuss" and "Nuß", the old
// spelling; "abschliessen" and "abschließen", the Swiss one): the spelling the German
// speller (today's orthography) accepts stands for both, at the place of the first.
void keepStandardGermanSpelling(Lexicon& lexicon, HunspellBaseForms& speller) {
    const std::string sharp = "\xC3\x9F";
    for (Headword& h : lexicon.headwords()) {
        std::unordered_set<std::string> texts;
        for (const Sense& s : h.senses) texts.insert(s.text);
        for (Sense& s : h.senses) {
            for (size_t at = s.text.find("ss"); at != std::string::npos;
                 at = s.text.find("ss", at + 1)) {
                std::string other = s.text;
                other.replace(at, 2, sharp);
                if (texts.count(other) == 0) continue;
                const bool doubled =
                    speller.acceptsUtf8(WordLanguage::kGerman, wordAround(s.text, at));
                const bool single =
                    speller.acceptsUtf8(WordLanguage::kGerman, wordAround(other, at));
                if (doubled == single) continue;
                // Both senses now read the same; the record keeps the first of them.
                const std::string keep = doubled ? s.text : other;
                for (Sense& t : h.senses) {
                    if (t.text == s.text || t.text == other) t.text = keep;
                }
                break;
            }
        }
    }
}

Status buildLexicon(const Recipe& recipe, Lexicon& result, Report& report) {
    Build b(recipe);
    if (Status s = readInputs(b); !s.ok()) return s;
    if (Status s = translate(b, result); !s.ok()) return s;
    if (recipe.invert) {
        if (Status s = invert(b, result); !s.ok()) return s;
    }
    if (Status s = applyReviewed(recipe.reviewed, result, report); !s.ok()) return s;
    // A singular the review left without meanings takes its plural's again.
    if (b.ding && !recipe.invert) fillSingulars(result, b.spelling);
    if (recipe.germanMeanings) {
        keepStandardGermanSpelling(result, b.spelling);
        keepGermanInfinitives(result, b.spelling, Build::used(b.meaningTable));
    }
    // The first meaning is the everyday one: a label there ("[mat] hladký", "[potr]
    // slanina") only stands in the reader's way, and the text translator would write it.
    for (Headword& h : result.headwords()) {
        if (!h.senses.empty()) h.senses.front().text = withoutLeadingLabel(h.senses.front().text);
    }
    return {};
}

}  // namespace lexavo::mkdict
