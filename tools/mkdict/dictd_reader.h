#pragma once
// dictd databases: <base>.index (headword TAB base64 offset TAB base64 length per
// line) and <base>.dict.dz (dictzip, which is gzip with a random-access table that a
// whole-file read ignores). FreeDict articles are parsed into senses.

#include <string>
#include <string_view>
#include <vector>

#include "lexicon.h"
#include "status.h"

namespace lexavo::mkdict {

struct DictdArticle {
    std::string indexWord;  // the index's key (dictd often lower-cases it)
    std::string body;       // the article text, UTF-8
};

// Decodes dictd's base64 number ("B" = 1, "BA" = 64). False on a foreign character.
bool decodeDictdNumber(std::string_view digits, uint64_t& value);

// Reads every article named by the index, skipping the 00database* pseudo-entries.
// Fails when a file cannot be read or an index line is malformed.
Status readDictd(const std::string& base, std::vector<DictdArticle>& articles);

// Reads a whole gzip (or dictzip) file.
Status readGzipFile(const std::string& path, std::string& data);

// A FreeDict article: the first line is the headword with an optional /IPA/ and
// <word class, gender> list; the following lines that are not indented by more than
// one blank hold translations separated by ", "; deeper lines are notes, examples,
// synonyms and cross references.
struct FreedictArticle {
    std::string headword;
    std::string pos;
    Gender gender = Gender::kNone;
    bool plural = false;  // "<pl>": the headword is a plural
    struct Translation {
        std::string text;
        std::string pos;
        bool marked = false;  // under a usage label ("[slang] cocaine, coke")
    };
    std::vector<Translation> translations;
};
FreedictArticle parseFreedictArticle(std::string_view body);

// Adds the articles' translations to the lexicon, forwards.
void addFreedictArticles(const std::vector<DictdArticle>& articles, Lexicon& lexicon);

}  // namespace lexavo::mkdict
