#pragma once
// Evidence about the words of one language, read from the tables that
// scripts/derive-word-tables.py derives from Debian's packages (data/wordtables/):
//  - <lang>.freq: "word TAB occurrences per million", counted over real text;
//  - <lang>.pos:  "word TAB n,v,adj,adv,other", the word classes a thesaurus (and for
//    English WordNet) gives the word;
//  - <lang>.major, where present: "word TAB class", the class a word of several classes
//    is mostly used in (scripts/derive-major-class.py).
// Words are kept case folded; a text of several words counts as a thousandth of its
// rarest word, a reflexive pronoun ("se", "si", "sich") not counted as a word.

#include <string>
#include <unordered_map>
#include <vector>

#include "status.h"

namespace lexavo::mkdict {

class WordTable {
  public:
    // Reads <prefix>.freq and, when present, <prefix>.pos. Fails when the
    // frequency table is missing or malformed.
    Status read(const std::string& prefix);
    bool empty() const { return frequency_.empty(); }

    // Occurrences per million of the text (notes and "to " of English verbs ignored);
    // 0 for an unknown word.
    double frequency(const std::string& text) const;
    // Rank of the word by frequency, from 1; 0 for an unknown word.
    size_t rank(const std::string& word) const;

    // The word classes of a single word, as a set of letters: 'n' noun, 'v' verb,
    // 'a' adjective, 'd' adverb, 'o' other; empty when unknown.
    std::string classes(const std::string& word) const;

    // The class letter a word of several classes is mostly used in; 0 when not known.
    char majorClass(const std::string& word) const;

    // Both at once, splitting and folding the text once.
    struct Lookup {
        double frequency = 0;
        std::string classes;
    };
    Lookup lookup(const std::string& text) const;

  private:
    double frequencyOf(const std::vector<std::string>& foldedWords) const;
    std::unordered_map<std::string, std::pair<double, size_t>> frequency_;
    std::unordered_map<std::string, std::string> classes_;
    std::unordered_map<std::string, char> major_;
};

// Case folds a UTF-8 text (ICU full folding).
std::string foldCase(const std::string& utf8);

// The one-letter word class of a source tag ("n", "vt", "adj", "prp; +Dat."): 'n', 'v',
// 'a', 'd', 'o', or 0 when the tag is empty.
char classLetter(const std::string& pos);

}  // namespace lexavo::mkdict
