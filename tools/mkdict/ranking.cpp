#include "ranking.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <cmath>

#include "text_rules.h"

namespace lexavo::mkdict {

namespace {

int wordCount(const std::string& text) {
    if (text.empty()) return 0;
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), ' '));
}

// The word class most senses of the headword are tagged with; empty when none is.
std::string usualWordClass(const Headword& h) {
    std::unordered_map<std::string, int> counts;
    for (const Sense& s : h.senses) {
        if (!s.pos.empty()) counts[s.pos] += s.support;
    }
    std::string best;
    int bestCount = 0;
    for (const auto& [pos, n] : counts) {
        if (n > bestCount || (n == bestCount && pos < best)) {
            best = pos;
            bestCount = n;
        }
    }
    return best;
}

}  // namespace

// A Czech verb's dictionary form is the infinitive ("číst", "jít", "moct", "číst si");
// "četl", "viz", "sen" are not.
bool looksLikeCzechInfinitive(const std::string& text) {
    const std::string first = text.substr(0, text.find(' '));
    for (const char* ending : {"t", "ti", "ct", "ci"}) {
        if (first.ends_with(ending)) return true;
    }
    return false;
}

char headwordClass(const Headword& h, const WordTable* table) {
    // A word with one class in the table has that class, whatever the source tags of
    // its attributive uses say ("island <adj>" for "ostrovní").
    if (table != nullptr) {
        const std::string known = table->classes(h.text);
        if (known.size() == 1) return known[0];
        if (const char major = table->majorClass(h.text)) return major;
    }
    return classLetter(usualWordClass(h));
}

double evidenceScore(const std::string& meaning, char head, const Evidence& evidence,
                     const RankWeights& w, double share) {
    if (evidence.meanings == nullptr) return 0;
    const WordTable::Lookup found = evidence.meanings->lookup(meaning);
    double score = w.frequency * std::log1p(found.frequency * share);
    const std::string& known = found.classes;
    if (head != 0 && head != 'o' && !known.empty() && known.find(head) == std::string::npos)
        score -= w.classMismatch;
    return score;
}

std::string confirmationKey(const std::string& source, const std::string& target) {
    return foldCase(withoutNotes(source) + '\t' + withoutNotes(target));
}

Confirmations confirmationsFrom(const Lexicon& otherDirection) {
    Confirmations pairs;
    for (const Headword& h : otherDirection.headwords()) {
        for (const Sense& s : h.senses) pairs.insert(confirmationKey(h.text, s.text));
    }
    return pairs;
}

void mergeDuplicateSenses(Lexicon& lexicon) {
    for (Headword& h : lexicon.headwords()) {
        std::vector<Sense> merged;
        std::unordered_map<std::string, size_t> byKey;
        for (Sense& s : h.senses) {
            const std::string key = withoutNotes(s.text);
            if (key.empty()) continue;
            auto [it, inserted] = byKey.try_emplace(key, merged.size());
            if (inserted) {
                merged.push_back(std::move(s));
                continue;
            }
            Sense& kept = merged[it->second];
            kept.support += s.support;
            kept.reviewed = kept.reviewed || s.reviewed;
            kept.score = std::max(kept.score, s.score);
            if (kept.pos.empty()) kept.pos = s.pos;
            if (kept.targetGender == Gender::kNone) kept.targetGender = s.targetGender;
            if (kept.gender == Gender::kNone) kept.gender = s.gender;
            // A plain text beats the same translation with notes.
            if (hasNotes(kept.text) && !hasNotes(s.text)) kept.text = s.text;
        }
        h.senses = std::move(merged);
    }
}

std::unordered_map<std::string, int> targetBreadth(const Lexicon& lexicon) {
    std::unordered_map<std::string, int> breadth;
    for (const Headword& h : lexicon.headwords()) {
        for (const Sense& s : h.senses) ++breadth[withoutNotes(s.text)];
    }
    return breadth;
}

namespace {

// How common a word is, as the weight of a meaning it shares with other headwords.
double wordWeight(const std::string& text, const WordTable* table) {
    return 1.0 + (table == nullptr ? 0.0 : table->frequency(text));
}

// For each meaning (without notes), the summed weights of the headwords that list it.
std::unordered_map<std::string, double> meaningOwners(const Lexicon& lexicon,
                                                      const WordTable* heads) {
    std::unordered_map<std::string, double> owners;
    for (const Headword& h : lexicon.headwords()) {
        const double weight = wordWeight(h.text, heads);
        for (const Sense& s : h.senses) owners[withoutNotes(s.text)] += weight;
    }
    return owners;
}

}  // namespace

void rankSenses(Lexicon& lexicon, const Confirmations& confirmations, const RankWeights& w,
                const Evidence& evidence) {
    mergeDuplicateSenses(lexicon);
    const auto breadth = targetBreadth(lexicon);
    const auto owners = meaningOwners(lexicon, evidence.headwords);
    for (Headword& h : lexicon.headwords()) {
        const double weight = wordWeight(h.text, evidence.headwords);
        const std::string usual = usualWordClass(h);
        const std::string head = withoutNotes(h.text);
        const char headClass = headwordClass(h, evidence.headwords);
        // The class the headword is mostly used in, where a table tells it, decides
        // which senses are of another class: "jam" is "džem" before "ucpat".
        const char major =
            evidence.headwords == nullptr ? 0 : evidence.headwords->majorClass(h.text);
        for (Sense& s : h.senses) {
            const std::string plain = withoutNotes(s.text);
            double score = 0;
            if (confirmations.count(confirmationKey(plain, head))) score += w.confirmed;
            auto it = breadth.find(plain);
            score += w.breadth * std::log1p(it == breadth.end() ? 0 : it->second);
            score += w.support * std::log(std::max(1, s.support));
            const bool otherClass = major != 0 ? !s.pos.empty() && classLetter(s.pos) != major
                                               : !s.pos.empty() && !usual.empty() && s.pos != usual;
            if (otherClass) {
                score -= w.otherWordClass;
            } else if (w.czechMeanings && (s.pos.empty() ? usual : s.pos) == "v" &&
                       !looksLikeCzechInfinitive(plain)) {
                score -= w.otherWordClass;
            }
            if (hasNotes(s.text)) score -= w.notes;
            if (withoutLeadingLabel(s.text) != normalizeSpace(s.text)) score -= w.label;
            score -= w.perExtraWord * std::max(0, wordCount(plain) - 1);
            score -= w.perByte * static_cast<double>(plain.size());
            // The meaning's occurrences are shared among the headwords it translates,
            // by how common each is: "taška" is mostly a bag, little of it a wallet.
            const auto owner = owners.find(plain);
            const double share =
                owner == owners.end() ? 1.0 : std::min(1.0, weight / owner->second);
            score += evidenceScore(plain, headClass, evidence, w, share);
            s.score = score;
        }
    }
    sortByScore(lexicon);
}

void sortByScore(Lexicon& lexicon) {
    for (Headword& h : lexicon.headwords()) {
        std::stable_sort(h.senses.begin(), h.senses.end(),
                         [](const Sense& a, const Sense& b) { return a.score > b.score; });
    }
}

}  // namespace lexavo::mkdict
