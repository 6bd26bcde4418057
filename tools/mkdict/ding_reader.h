#pragma once
// Ding's text format: one entry per line, "German :: English", each side split into
// "|"-groups of which the first holds the base forms and the rest inflected forms and
// examples; inside a group alternatives are separated by "; ". Grammar is in braces:
// {m} {f} {n} gender, {pl}, {adj}, {adv}, {vt}, {vi}, ... Lines starting with '#' are
// comments.

#include <string>
#include <string_view>
#include <vector>

#include "lexicon.h"

namespace lexavo::mkdict {

struct DingWord {
    std::string text;  // notes removed
    std::string pos;   // "n" for nouns (gender braces), else the brace's word class
    Gender gender = Gender::kNone;
    // Labelled as slang, colloquial, figurative, dated, rare, ... ("Schnee {m} [slang]"
    // for cocaine): not the word's plain sense.
    bool marked = false;
};

struct DingLine {
    std::vector<DingWord> left;   // base forms of the first group, left side
    std::vector<DingWord> right;  // base forms of the first group, right side
    // "|"-groups of the left side: a word's main sense is the line that goes on to
    // list its inflected forms and examples.
    size_t groups = 0;
};

// False for comments and lines without " :: ".
bool parseDingLine(std::string_view line, DingLine& out);

// Reads a Ding file; every left word gets every right word as a sense, in line order,
// scored log(groups) so that the main line of a word can be told; a pair with a marked
// word scores -1, below every plain one. English verbs lose their "to ". False when the file cannot
// be opened.
bool readDing(const std::string& path, Lexicon& lexicon, std::string& error);

}  // namespace lexavo::mkdict
