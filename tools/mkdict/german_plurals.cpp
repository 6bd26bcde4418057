#include "german_plurals.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

#include "compile.h"
#include "ranking.h"
#include "text/cp1250.h"
#include "text_rules.h"
#include "word_tables.h"

namespace lexavo::mkdict {

namespace {

// An English plural's last word made singular ("oak trees" -> "oak tree").
std::string englishSingular(HunspellBaseForms& spelling, const std::string& text) {
    const size_t space = text.rfind(' ');
    const std::string last = utf8ToCp1250(text.substr(space == std::string::npos ? 0 : space + 1));
    // A plural that is a word in its own right stays ("trousers", "works", "news"); else
    // the longest stem it begins with ("releases" is "release", not "lease"), "-ies"
    // read as "-y" ("strawberries").
    if (spelling.isOwnStem(WordLanguage::kEnglish, last)) return text;
    std::string best;
    for (const std::string& form : spelling.baseForms(WordLanguage::kEnglish, last)) {
        const bool y = form.ends_with('y') && last == form.substr(0, form.size() - 1) + "ies";
        if ((y || last.starts_with(form)) && form.size() > best.size()) best = form;
    }
    if (best.empty()) return text;
    return text.substr(0, text.size() - last.size()) + cp1250ToUtf8(best);
}

// A code page 1250 word with ä, ö, ü (either case) as a, o, u.
std::string withoutUmlauts(std::string word) {
    for (char& c : word) {
        switch (static_cast<unsigned char>(c)) {
            case 0xE4:
                c = 'a';
                break;
            case 0xF6:
                c = 'o';
                break;
            case 0xFC:
                c = 'u';
                break;
            case 0xC4:
                c = 'A';
                break;
            case 0xD6:
                c = 'O';
                break;
            case 0xDC:
                c = 'U';
                break;
            default:
                break;
        }
    }
    return word;
}

// The singular of one word by its ending or Hunspell's stems, code page 1250.
std::string singularOf(HunspellBaseForms& spelling, const std::string& word) {
    // The regular feminine plurals: "Absperrungen" is "Absperrung" (Hunspell knows only
    // the verb "Absperren").
    static const std::pair<std::string_view, std::string_view> kEndings[] = {
        {"ungen", "ung"}, {"heiten", "heit"}, {"keiten", "keit"},    {"schaften", "schaft"},
        {"ionen", "ion"}, {"innen", "in"},    {"t\xE4ten", "t\xE4t"}};  // code page 1250
    for (const auto& [pluralEnding, ending] : kEndings) {
        if (word.size() > pluralEnding.size() + 1 && word.ends_with(pluralEnding))
            return word.substr(0, word.size() - pluralEnding.size()) + std::string(ending);
    }
    // Otherwise the plural is a noun stem with an ending, its vowel perhaps with an
    // umlaut ("Apfelbäume" -> "Apfelbaum").
    std::string best;
    for (const std::string& form : spelling.baseForms(WordLanguage::kGerman, word)) {
        if (form == word || !isGermanNoun(form) || form.size() <= best.size()) continue;
        if (withoutUmlauts(word).starts_with(withoutUmlauts(form))) best = form;
    }
    return best;
}

}  // namespace

std::string germanSingular(HunspellBaseForms& spelling, const std::string& plural) {
    const std::string word = utf8ToCp1250(plural);
    if (word.find(' ') != std::string::npos) return {};
    if (std::string singular = singularOf(spelling, word); !singular.empty())
        return cp1250ToUtf8(singular);
    // A compound Hunspell does not know: its longest last part made singular ("Erdbeeren"
    // -> "Erd" + "Beere"), after a first part of three letters at least ("Flieder" is no
    // "F" + "Lieder"). A last part that Hunspell has as a word of its own with no other
    // singular ends the search: "Fragezeichen" is no "Fragez" + "Eichen".
    for (size_t i = 3; i + 4 <= word.size(); ++i) {
        std::string tail = word.substr(i);
        if (tail[0] < 'a' || tail[0] > 'z') continue;
        tail[0] = static_cast<char>(tail[0] - 'a' + 'A');
        std::string singular = singularOf(spelling, tail);
        if (singular.empty() && spelling.isOwnStem(WordLanguage::kGerman, tail)) return {};
        if (singular.empty() || singular[0] < 'A' || singular[0] > 'Z') continue;
        singular[0] = static_cast<char>(singular[0] - 'A' + 'a');
        return cp1250ToUtf8(word.substr(0, i) + singular);
    }
    return {};
}

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

// The gender of a German noun no line gives one, as the compounds that end in it have
// it (a compound's gender is its last part's: "Korkeiche {f}", "Steineiche {f}" make
// "Eiche" feminine); kNone unless at least two compounds agree and no other gender
// comes near.
class CompoundGenders {
  public:
    explicit CompoundGenders(const Lexicon& lexicon) {
        for (const Headword& h : lexicon.headwords()) {
            const Gender g = h.senses.empty() ? Gender::kNone : h.senses.front().gender;
            if (g == Gender::kNone || h.text.find(' ') != std::string::npos) continue;
            for (size_t i = 1; i + 3 <= h.text.size(); ++i) {
                if ((static_cast<unsigned char>(h.text[i]) & 0xC0) == 0x80) continue;
                ++votes_[foldCase(h.text.substr(i))][index(g)];
            }
        }
    }
    Gender of(const std::string& noun) const {
        auto it = votes_.find(foldCase(noun));
        if (it == votes_.end()) return Gender::kNone;
        const auto& v = it->second;
        const int best = static_cast<int>(std::max_element(v.begin(), v.end()) - v.begin());
        for (int g = 0; g < 3; ++g) {
            if (g != best && 2 * v[g] >= v[best]) return Gender::kNone;
        }
        return v[best] >= 2 ? kGenders[best] : Gender::kNone;
    }

  private:
    static constexpr Gender kGenders[3] = {Gender::kMasculine, Gender::kFeminine, Gender::kNeuter};
    static int index(Gender g) {
        return g == Gender::kMasculine ? 0 : g == Gender::kFeminine ? 1 : 2;
    }
    std::unordered_map<std::string, std::array<int, 3>> votes_;
};

void addSingulars(Lexicon& lexicon, HunspellBaseForms& spelling) {
    const CompoundGenders compounds(lexicon);
    std::vector<std::pair<std::string, std::vector<Sense>>> added;
    for (Headword& h : lexicon.headwords()) {
        // The plural itself pivots through the English singulars ("Eichhörnchen {pl} ::
        // squirrels", the same form in both numbers): an English plural is as often a
        // verb's form ("screams": "křičí" for "Schreie"). Its singular takes each English
        // plural made singular, and as it stands too: "printing works" is one.
        std::vector<Sense> senses;
        for (Sense& s : h.senses) {
            if (!s.plural) continue;
            Sense asItStands = s;
            s.text = englishSingular(spelling, withoutNotes(s.text));
            senses.push_back(s);
            senses.push_back(std::move(asItStands));
        }
        if (senses.empty()) continue;
        const std::string singular = germanSingular(spelling, h.text);
        if (singular.empty()) continue;
        // After the singular's own senses, if it has any: those lines are its own.
        const Headword* known = lexicon.find(singular);
        const bool own = known != nullptr && !known->senses.empty();
        for (Sense& s : senses) {
            s.plural = false;
            s.pos = "n";
            if (own) s.score = std::min(s.score, 0.0);
        }
        if (!own) {
            const Gender gender = compounds.of(singular);
            for (Sense& s : senses) s.gender = gender;
        }
        added.emplace_back(singular, std::move(senses));
    }
    for (auto& [headword, senses] : added) {
        for (Sense& s : senses) lexicon.add(headword, std::move(s));
    }
}

void fillSingulars(Lexicon& pivoted, HunspellBaseForms& spelling) {
    std::vector<std::pair<std::string, std::vector<Sense>>> missing;
    for (const Headword& h : pivoted.headwords()) {
        if (!h.pluralOnly || h.senses.empty()) continue;
        const std::string singular = germanSingular(spelling, h.text);
        const Headword* known = singular.empty() ? nullptr : pivoted.find(singular);
        if (!singular.empty() && (known == nullptr || known->senses.empty()))
            missing.emplace_back(singular, h.senses);
    }
    for (auto& [singular, senses] : missing) {
        Headword& h = pivoted.entry(singular);
        for (Sense& s : senses) {
            s.gender = Gender::kNone;  // the plural line names no gender
            h.senses.push_back(std::move(s));
        }
    }
}

bool endsInGermanInfinitive(const std::string& phrase) {
    std::vector<std::string> words = splitOutsideBrackets(phrase, " ");
    while (words.size() > 1 && isGermanPreposition(words.back())) words.pop_back();
    return !words.empty() && words.back().ends_with('n');
}

namespace {

// The infinitive of a single German verb form (UTF-8) among Hunspell's stems of it, one
// that begins as the form does ("holte" -> "holen"); empty when there is none. A past
// stem with "-en" added is a participle ("betrieb" -> "betrieben"), not an infinitive.
std::string germanInfinitive(HunspellBaseForms& spelling, const std::string& form) {
    const std::string word = utf8ToCp1250(form);
    if (word.size() < 4 || word.find(' ') != std::string::npos) return {};
    for (const std::string& stem : spelling.baseForms(WordLanguage::kGerman, word)) {
        if (stem.size() >= 4 && stem.ends_with('n') && stem.compare(0, 3, word, 0, 3) == 0 &&
            stem != word + "en" && stem != word + "n" && !isGermanNoun(stem))
            return cp1250ToUtf8(stem);
    }
    return {};
}

bool isFiniteGermanVerbSense(const Sense& s) {
    const char sense = classLetter(s.pos);
    if ((sense != 'v' && sense != 0) || s.text.empty()) return false;
    return !isGermanNoun(utf8ToCp1250(s.text)) && !endsInGermanInfinitive(withoutNotes(s.text));
}

}  // namespace

void keepGermanInfinitives(Lexicon& lexicon, HunspellBaseForms& spelling, const WordTable* czech) {
    for (Headword& h : lexicon.headwords()) {
        if (!looksLikeCzechInfinitive(h.text) || headwordClass(h, czech) != 'v') continue;
        std::vector<Sense> kept;
        std::unordered_set<std::string> texts;
        for (Sense& s : h.senses) {
            if (isFiniteGermanVerbSense(s)) {
                s.text = germanInfinitive(spelling, withoutNotes(s.text));
                if (s.text.empty()) continue;
            }
            if (texts.insert(s.text).second) kept.push_back(std::move(s));
        }
        h.senses = std::move(kept);
    }
}

}  // namespace lexavo::mkdict
