#include "pipeline.h"

#include <algorithm>

#include "compile.h"
#include "dictd_reader.h"
#include "ding_reader.h"
#include "morphology/hunspell_base_forms.h"
#include "pivot.h"
#include "ranking.h"
#include "reviewed.h"
#include "text/cp1250.h"
#include "text_rules.h"
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

// The singular of a German plural (UTF-8): the first stem Hunspell gives that is a
// noun (capitalised) other than the word; empty when there is none.
std::string germanSingular(HunspellBaseForms& spelling, const std::string& plural) {
    const std::string word = utf8ToCp1250(plural);
    if (word.find(' ') != std::string::npos) return {};
    for (const std::string& form : spelling.baseForms(WordLanguage::kGerman, word)) {
        const std::string utf8 = cp1250ToUtf8(form);
        if (utf8 != plural && isGermanNoun(form)) return utf8;
    }
    return {};
}

// An English plural's last word made singular ("oak trees" -> "oak tree").
std::string englishSingular(HunspellBaseForms& spelling, const std::string& text) {
    const size_t space = text.rfind(' ');
    const std::string last = text.substr(space == std::string::npos ? 0 : space + 1);
    const auto& forms = spelling.baseForms(WordLanguage::kEnglish, utf8ToCp1250(last));
    if (forms.empty()) return text;
    return text.substr(0, text.size() - last.size()) + cp1250ToUtf8(forms.front());
}

}  // namespace

void tagGermanParticiples(Lexicon& lexicon) {
    for (Headword& h : lexicon.headwords()) {
        const std::string last = h.text.substr(h.text.rfind(' ') + 1);
        const bool participle =
            last.size() > 4 && !isGermanNoun(utf8ToCp1250(last)) &&
            (last.ends_with("end") || last.ends_with("elnd") || last.ends_with("ernd"));
        if (!participle) continue;
        for (Sense& s : h.senses) {
            if (s.pos.empty()) s.pos = "adj";
        }
    }
}

void addSingulars(Lexicon& lexicon, HunspellBaseForms& spelling) {
    std::vector<std::pair<std::string, std::vector<Sense>>> singulars;
    for (const Headword& h : lexicon.headwords()) {
        std::vector<Sense> senses;
        for (const Sense& s : h.senses) {
            if (s.plural) senses.push_back(s);
        }
        if (senses.empty()) continue;
        const std::string singular = germanSingular(spelling, h.text);
        const Headword* known = singular.empty() ? nullptr : lexicon.find(singular);
        if (singular.empty() || (known != nullptr && !known->senses.empty())) continue;
        for (Sense& s : senses) {
            s.text = englishSingular(spelling, withoutNotes(s.text));
            s.plural = false;
            s.pos = "n";
        }
        singulars.emplace_back(singular, std::move(senses));
    }
    for (auto& [singular, senses] : singulars) {
        for (Sense& s : senses) lexicon.add(singular, std::move(s));
    }
}

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
    // German plurals are made singular with Debian's spelling dictionaries.
    HunspellBaseForms spelling(hunspellFolders(std::string()));
    Lexicon confirming;
    if (!readAll(recipe.confirmBy, confirming, error)) return false;
    const Confirmations confirmations = confirmationsFrom(confirming);

    Lexicon input;
    if (!readAll(recipe.inputs, input, error)) return false;
    const bool ding = std::any_of(recipe.inputs.begin(), recipe.inputs.end(),
                                  [](const Source& s) { return s.kind == Source::Kind::kDing; });
    if (ding) {
        addSingulars(input, spelling);
        tagGermanParticiples(input);
    }
    if (!recipe.pivotThrough.empty()) {
        Lexicon through;
        if (!readAll(recipe.pivotThrough, through, error)) return false;
        rankSenses(through, confirmations, recipe.weights,
                   Evidence{table(pivotTable), table(meaningTable)});
        if (!recipe.reviewedPivot.empty()) {
            Report ignored;
            if (!applyReviewed(recipe.reviewedPivot, through, ignored, error)) return false;
        }
        mergeDuplicateSenses(input);
        const BackTranslations back(through, &confirming);
        result =
            pivotLexicon(input, through, PivotRules{},
                         Evidence{table(headTable), table(meaningTable)}, recipe.weights, &back);
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
