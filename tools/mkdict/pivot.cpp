#include "pivot.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "text_rules.h"

namespace lexavo::mkdict {

namespace {

int wordCount(const std::string& text) {
    return text.empty() ? 0 : 1 + static_cast<int>(std::count(text.begin(), text.end(), ' '));
}

// A numeral agrees with nouns and adjectives too: FreeDict writes "fifteen <n>".
bool classesAgree(const std::string& a, const std::string& b) {
    const std::string x = wordClass(a), y = wordClass(b);
    return x.empty() || y.empty() || x == y || x == "num" || y == "num";
}

// Whether a word of class `pos` (a source tag) can translate `target`, whose classes
// the table may know: a noun translates no word the table knows only as a verb.
bool classFits(const std::string& pos, const std::string& target, const WordTable* table) {
    const char head = classLetter(pos);
    if (head == 0 || head == 'o' || table == nullptr) return true;
    const std::string known = table->classes(target);
    return known.empty() || known.find(head) != std::string::npos;
}

struct Candidate {
    const Sense* sense = nullptr;
    double weight = 0;
    std::unordered_set<std::string> pivots;
    std::string pos;      // of the first pivot sense that reached it
    bool plural = true;   // every pivot sense that reached it is of a plural line
    bool strong = false;  // the first translation of the main pivot
    bool second = false;  // the first translation of the second pivot
};

constexpr double kPriorWeight = 1.0;
constexpr double kSameWordBonus = 1.0;

}  // namespace

std::string wordClass(const std::string& pos) {
    // Ding adds case government after the class ("prp; +Dat.").
    const std::string tag = pos.substr(0, pos.find(';'));
    if (tag == "vt" || tag == "vi" || tag == "vr" || tag == "vt/vi") return "v";
    if (tag == "prp") return "prep";
    if (tag == "ppron") return "pron";
    return tag;
}

Lexicon invertLexicon(const Lexicon& ranked, const InvertRules& rules, const Evidence& evidence,
                      const RankWeights& weights) {
    Lexicon inverted;
    for (const Headword& h : ranked.headwords()) {
        // A glossary line or list ("costs, time") is no meaning of another word, nor
        // is a plural, nor a verb cut out of its phrase unless a reviewer let the
        // sense stand.
        if (h.pluralOnly || h.text.find_first_of(",;") != std::string::npos) continue;
        const double commonness =
            0.5 * std::log1p(static_cast<double>(h.senses.size())) + kPriorWeight * h.prior;
        for (size_t rank = 0; rank < h.senses.size(); ++rank) {
            const Sense& s = h.senses[rank];
            const std::string target = withoutNotes(s.text);
            if ((h.phraseOnly && !s.reviewed) || s.phrase || target.empty() ||
                wordCount(target) > rules.maxWords)
                continue;
            if (rules.pivoted && (s.plural || !classFits(s.pos, target, evidence.headwords)))
                continue;
            Sense back;
            back.text = h.text;
            back.pos = s.pos;
            back.gender = s.targetGender;
            back.targetGender = s.gender;
            back.support = s.support;
            back.reviewed = s.reviewed;
            back.score = 3.0 / (1.0 + static_cast<double>(rank)) + commonness -
                         0.8 * (wordCount(withoutNotes(h.text)) - 1) +
                         evidenceScore(h.text, classLetter(s.pos), evidence, weights);
            inverted.add(target, std::move(back));
        }
    }
    return inverted;
}

void keepKnownWordsBehindTheFirst(Lexicon& inverted, const WordTable& meanings) {
    const auto unknown = [&](const Sense& s) {
        return !s.reviewed && meanings.frequency(s.text) == 0;
    };
    for (Headword& h : inverted.headwords()) {
        if (h.senses.size() < 2) continue;
        h.senses.erase(std::remove_if(h.senses.begin() + 1, h.senses.end(), unknown),
                       h.senses.end());
    }
}

void keepConfirmedMeanings(Lexicon& inverted) {
    constexpr size_t kUnconfirmedMeanings = 3;
    const auto confirmed = [](const Sense& s) { return s.support >= 2 || s.reviewed; };
    for (Headword& h : inverted.headwords()) {
        if (std::none_of(h.senses.begin(), h.senses.end(), confirmed)) {
            // Nothing to tell the right ones by: a few, not every synonym of one
            // pivot's other sense ("navázání" through "follow-up": "die Nachbereitung",
            // "die Folgemaßnahme", ...).
            if (h.senses.size() > kUnconfirmedMeanings) h.senses.resize(kUnconfirmedMeanings);
            continue;
        }
        std::vector<Sense> kept;
        for (size_t i = 0; i < h.senses.size(); ++i) {
            if (i == 0 || confirmed(h.senses[i])) kept.push_back(std::move(h.senses[i]));
        }
        h.senses = std::move(kept);
    }
}

void addConfirmationBonus(Lexicon& lexicon, const Confirmations& confirmations, double bonus) {
    for (Headword& h : lexicon.headwords()) {
        for (Sense& s : h.senses) {
            if (confirmations.count(confirmationKey(h.text, s.text))) s.score += bonus;
        }
    }
}

namespace {

// The pivot word a target is reached through: a single word, or a phrase that the
// pivot dictionary has as a headword ("day nursery"), tried as written and folded.
const Headword* pivotEntry(const Lexicon& right, const std::string& pivot) {
    if (const Headword* h = right.find(pivot)) return h;
    const std::string folded = foldCase(pivot);
    return folded == pivot ? nullptr : right.find(folded);
}

// Sorts a headword's pivots: pivots that several source lines repeat come first (the
// sources list a word's senses in no order of importance, but its main sense recurs),
// and marked pairs (slang, figurative, dated) are left out when anything plain is
// there: "Schnee [slang] :: coke" must not bring "koks".
std::vector<const Sense*> orderedPivots(const Headword& h) {
    std::vector<const Sense*> pivots;
    const bool anyPlain =
        std::any_of(h.senses.begin(), h.senses.end(), [](const Sense& p) { return p.score >= 0; });
    for (const Sense& p : h.senses) {
        if (!anyPlain || p.score >= 0) pivots.push_back(&p);
    }
    std::stable_sort(pivots.begin(), pivots.end(), [](const Sense* a, const Sense* b) {
        return std::log(a->support) + a->score > std::log(b->support) + b->score;
    });
    return pivots;
}

struct Candidates {
    std::unordered_map<std::string, Candidate> byKey;
    std::vector<std::string> order;  // first reached first
};

// Whether a German verb's translation is in its dictionary form, the infinitive:
// "žehlit" is "bügeln", not "bügelt".
bool verbFormFits(const std::string& target, char headClass, const RankWeights& weights) {
    return !weights.germanMeanings || headClass != 'v' || target.ends_with('n');
}

// A verb translated by a word the table knows only as a noun, or a noun by a word it
// knows only as a verb.
bool nounForVerb(const std::string& pos, const std::string& target, const WordTable* table) {
    const char head = classLetter(pos);
    if ((head != 'n' && head != 'v') || table == nullptr) return false;
    return table->classes(target) == std::string(1, head == 'n' ? 'v' : 'n');
}

// The targets of a headword's pivots, weighted by the ranks of pivot and target. A
// pivot's rank counts only the pivots before it that reached a target: a first pivot
// the pivot dictionary has nothing fitting for ("tarry" for "zögern": only adjectives)
// does not push the main sense ("hesitate") into second place.
Candidates gatherTargets(const std::vector<const Sense*>& pivots, const Lexicon& right,
                         const PivotRules& rules, char headClass, const RankWeights& weights,
                         const WordTable* targets) {
    Candidates found;
    std::vector<std::string> seen;
    size_t pivotRank = 0;
    size_t reached = 0;  // pivots the pivot dictionary knows: the first few count
    for (const Sense* pp : pivots) {
        const Sense& p = *pp;
        const std::string pivot = withoutNotes(p.text);
        if (pivot.empty() || std::find(seen.begin(), seen.end(), pivot) != seen.end()) continue;
        const Headword* through = pivotEntry(right, pivot);
        if (through == nullptr && pivot.find(' ') != std::string::npos) continue;
        seen.push_back(pivot);
        if (through == nullptr) continue;
        if (reached++ == rules.pivotsPerHeadword) break;
        // The headword is a verb by its table or by the pivot sense.
        const char verb = classLetter(p.pos) == 'v' ? 'v' : headClass;
        size_t targetRank = 0;
        for (const Sense& t : through->senses) {
            if (targetRank == rules.targetsPerPivot) break;
            if (!classesAgree(p.pos, t.pos)) continue;
            const std::string key = withoutNotes(t.text);
            if (!verbFormFits(key, verb, weights) || nounForVerb(p.pos, key, targets)) continue;
            const char target = classLetter(t.pos);
            if (rules.headClassOnly && headClass != 0 && headClass != 'o' && target != 0 &&
                target != 'o' && target != headClass && wordClass(t.pos) != "num")
                continue;
            auto [it, inserted] = found.byKey.try_emplace(key);
            if (inserted) {
                it->second.sense = &t;
                it->second.pos = p.pos;
                found.order.push_back(key);
            }
            Candidate& c = it->second;
            c.plural = c.plural && p.plural;
            c.weight += 1.0 / (1.0 + static_cast<double>(pivotRank)) /
                        (1.0 + static_cast<double>(targetRank));
            c.pivots.insert(pivot);
            if (pivotRank == 0 && targetRank == 0) c.strong = true;
            if (pivotRank == 1 && targetRank == 0) c.second = true;
            ++targetRank;
        }
        if (targetRank > 0) ++pivotRank;
    }
    return found;
}

// The gender most of the noun's senses give, a sense from a rich Ding line counting
// more: "Tag {m}" (day) over "Tag {n}" (a markup tag), and one source line's slip
// ("jds. Spezialgebiet {f}") does not outvote the others.
Gender votedGender(const Headword& h) {
    const Gender genders[] = {Gender::kMasculine, Gender::kFeminine, Gender::kNeuter};
    double votes[3] = {};
    for (const Sense& s : h.senses) {
        for (int g = 0; g < 3; ++g) {
            if (s.gender == genders[g]) votes[g] += 1.0 + std::max(0.0, s.score);
        }
    }
    Gender gender = Gender::kNone;
    double best = 0;
    for (int g = 0; g < 3; ++g) {
        if (votes[g] > best) {
            best = votes[g];
            gender = genders[g];
        }
    }
    return gender;
}

}  // namespace

BackTranslations::BackTranslations(const Lexicon& right, const Lexicon* back) {
    for (const Headword& p : right.headwords()) {
        const std::string pivot = foldCase(withoutNotes(p.text));
        for (const Sense& t : p.senses) byTarget_[foldCase(withoutNotes(t.text))].insert(pivot);
    }
    if (back == nullptr) return;
    for (const Headword& t : back->headwords()) {
        auto& pivots = byTarget_[foldCase(withoutNotes(t.text))];
        for (const Sense& p : t.senses) {
            std::string text = foldCase(withoutNotes(p.text));
            if (text.starts_with("to ")) text.erase(0, 3);
            pivots.insert(std::move(text));
        }
    }
}

size_t BackTranslations::pathsBack(const std::string& target,
                                   const std::unordered_set<std::string>& sourcePivots) const {
    auto it = byTarget_.find(foldCase(withoutNotes(target)));
    if (it == byTarget_.end()) return 0;
    size_t n = 0;
    for (const std::string& p : it->second) n += sourcePivots.count(p);
    return n;
}

namespace {

// The headword's translations through the pivot, best first.
std::vector<Sense> pivotedSenses(const Headword& h, const Lexicon& right, const PivotRules& rules,
                                 const Evidence& evidence, const RankWeights& weights,
                                 const BackTranslations* back) {
    RankWeights pivotWeights = weights;
    pivotWeights.frequency = weights.pivotFrequency;
    const char headClass = headwordClass(h, evidence.headwords);
    const std::string foldedHead = foldCase(h.text);
    const std::vector<const Sense*> pivots = orderedPivots(h);
    // Every pivot word of the headword, for the paths back.
    std::unordered_set<std::string> sourcePivots;
    for (const Sense* p : pivots) sourcePivots.insert(foldCase(withoutNotes(p->text)));
    Candidates found = gatherTargets(pivots, right, rules, headClass, weights, evidence.meanings);
    std::vector<Sense> senses;
    for (const std::string& key : found.order) {
        const Candidate& c = found.byKey[key];
        // Inverse consultation: how many of the target's own translations lead back
        // to the headword. A target that one pivot alone reaches, with no other path
        // back, is kept only as the first translation of the main pivot (without back
        // translations, also as the first of the second pivot):
        // the second one of an ambiguous pivot is as often another sense ("airing":
        // "větrání", "vysílání").
        const size_t paths = back == nullptr ? 0 : back->pathsBack(key, sourcePivots);
        const size_t count = std::max(c.pivots.size(), paths);
        if (!c.strong && count < 2 && !(c.second && back == nullptr)) continue;
        Sense s;
        s.text = c.sense->text;
        s.targetGender = c.sense->targetGender;
        s.plural = c.plural;
        // The class of the headword's sense it came through: "frei {adj}" gives
        // "volný", "frei {adv}" gives "zdarma".
        s.pos = c.pos.empty() ? c.sense->pos : c.pos;
        s.support = static_cast<int>(count);
        s.score = c.weight + 1.0 * static_cast<double>(c.pivots.size() - 1) +
                  evidenceScore(s.text, headClass, evidence, pivotWeights);
        // The same word in both languages (Golf, golf; Hotel, hotel) is the loan
        // word, not a homonym met on the way through English ("gulf": "propast").
        if (foldCase(withoutNotes(s.text)) == foldedHead) s.score += kSameWordBonus;
        // A verb's Czech meaning is an infinitive: "sägen" is "řezat", not "viděl"
        // (English "saw").
        if (weights.czechMeanings && headClass == 'v' && !looksLikeCzechInfinitive(key))
            s.score -= weights.otherWordClass;
        senses.push_back(std::move(s));
    }
    std::stable_sort(senses.begin(), senses.end(),
                     [](const Sense& a, const Sense& b) { return a.score > b.score; });
    if (senses.size() > rules.meaningsPerHeadword) senses.resize(rules.meaningsPerHeadword);
    return senses;
}

}  // namespace

Lexicon pivotLexicon(const Lexicon& left, const Lexicon& right, const PivotRules& rules,
                     const Evidence& evidence, const RankWeights& weights,
                     const BackTranslations* back) {
    Lexicon result;
    for (const Headword& h : left.headwords()) {
        std::vector<Sense> senses = pivotedSenses(h, right, rules, evidence, weights, back);
        if (senses.empty()) continue;
        const Gender gender = votedGender(h);
        Headword& out = result.entry(h.text);
        out.prior = h.prior;
        out.phraseOnly =
            std::all_of(h.senses.begin(), h.senses.end(), [](const Sense& p) { return p.phrase; });
        out.pluralOnly =
            std::all_of(h.senses.begin(), h.senses.end(), [](const Sense& p) { return p.plural; });
        for (Sense& s : senses) {
            s.gender = gender;
            s.sourceRank = static_cast<int>(out.senses.size());
            out.senses.push_back(std::move(s));
        }
    }
    return result;
}

}  // namespace lexavo::mkdict
