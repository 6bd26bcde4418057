#pragma once
// The compiler's working form of a dictionary: headwords with their senses, in UTF-8,
// before any of the program's byte limits are applied.

#include <string>
#include <unordered_map>
#include <vector>

namespace lexavo::mkdict {

// Grammatical gender of a German noun sense; kNone for everything else.
enum class Gender : char { kNone = 0, kMasculine = 'm', kFeminine = 'f', kNeuter = 'n' };

struct Sense {
    std::string text;               // the translation as the source gives it, notes included
    std::string pos;                // word class of the sense ("n", "v", "adj", ...), may be empty
    Gender gender = Gender::kNone;  // of the headword (German headwords)
    Gender targetGender = Gender::kNone;  // of the translation (German translations)
    int sourceRank = 0;     // position among the headword's senses in its source, from 0
    int support = 1;        // how many source senses (or pivots) gave this translation
    double score = 0;       // ranking weight; higher comes first
    bool plural = false;    // the headword was written as a plural in this source line
    bool reviewed = false;  // a reviewed list let it stand or added it
    bool phrase = false;    // the headword is the verb of this source line's phrase
};

struct Headword {
    std::string text;
    std::vector<Sense> senses;
    // How common the source makes the word look (Ding: log of the "|"-groups of its
    // richest line); 0 when the source tells nothing.
    double prior = 0;
    // Every source line gives the word as a plural ("Begrenzerschaltungen {pl}"): a
    // headword a user may look up, but no translation of another word.
    bool pluralOnly = false;
    // Every sense came through a phrase ("sich erholen" for "erholen"): a headword a
    // user looks up, but the phrase, not the bare word, translates other words.
    bool phraseOnly = false;
};

// Headwords in first-seen order with a lookup by text.
class Lexicon {
  public:
    Headword& entry(const std::string& headword);
    const Headword* find(const std::string& headword) const;
    void add(const std::string& headword, Sense sense);
    std::vector<Headword>& headwords() { return items_; }
    const std::vector<Headword>& headwords() const { return items_; }

  private:
    std::vector<Headword> items_;
    std::unordered_map<std::string, size_t> byText_;
};

}  // namespace lexavo::mkdict
