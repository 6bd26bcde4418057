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
#include "status.h"

namespace lexavo::mkdict {

struct DingWord {
    std::string text;  // notes removed
    std::string pos;   // "n" for nouns (gender braces), else the brace's word class
    Gender gender = Gender::kNone;
    // Labelled as slang, colloquial, figurative, dated, rare, ... ("Schnee {m} [slang]"
    // for cocaine): not the word's plain sense.
    bool marked = false;
    // Written as a plural ("Eichen {pl}"): a line that begins with the plural names a
    // noun whose singular has no line of its own.
    bool plural = false;
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

// Reads a Ding file; every left word gets every right word as a sense, in line order.
// The first word of the line scores log(groups), so that the main line of a word can be
// told (the groups list that word's forms and examples); a later synonym of the group
// scores 0, and a pair with a marked word -1, below every plain one. English verbs lose
// their "to ". A plural word's senses are marked plural. Fails when the file cannot be
// opened.
// A verb Ding gives only inside phrases becomes a headword of its own with the phrases'
// senses, marked phrase.
Status readDing(const std::string& path, Lexicon& lexicon);

// The infinitive a German verb phrase is looked up by ("sich erholen", "gegen etw.
// impfen", "ein Tier melken", "einer Sache angehören"): before it only "sich",
// placeholders, a preposition with its placeholder, and at the front a noun with its
// article. Empty for a single word and for an idiom ("in die Kerbe fügen", "für Unruhe
// sorgen"), whose words are not a way of writing the verb.
std::string bareGermanVerb(const std::string& phrase);

// A verb another source gives on its own ("freuen" in FreeDict) keeps only those senses,
// not the ones of the phrases it stands in.
void keepOwnSensesOfPhraseVerbs(Lexicon& lexicon);

}  // namespace lexavo::mkdict
