#pragma once
// Turns a ranked lexicon into a dictionary set that obeys every rule of the program's
// files: code page 1250 without forbidden bytes, headwords of at most 21 bytes,
// meanings of at most 49, records of at most 200 meanings and 999 stored bytes, at
// most 400,000 headwords, German article patterns, collation order with every
// headword reachable from its start slot, and the extra leading entry record of the
// Czech-first titles.

#include <string>

#include "lexicon.h"
#include "report.h"
#include "status.h"

namespace lexavo::mkdict {

struct SetOptions {
    std::string outputDir;
    std::string stem;       // at most 8 characters
    std::string title;      // UTF-8
    std::string direction;  // UTF-8
    std::string wordLabel;  // UTF-8
    std::string locale;     // collation of the headwords: "cs", "de", "en"
    // Word for "letter" in the target language ("písmeno"): a first letter that no
    // headword can serve as start slot gets a one-letter headword "Č" with the meaning
    // "písmeno Č". Empty: such headwords are left out instead.
    std::string letterWord;
};

// The set's rules that follow from its title and direction code.
struct SetRules {
    bool germanHeadwords = false;  // "Nj->Čj": "Haus" is followed by "Haus das"
    bool germanMeanings = false;   // "Čj->Nj": "Hund der" is followed by "Hund"
    bool extraLeadingRecord = false;
    bool forceA = false;  // "Čj->Nj": the loader pins the start slot of 'a' to 1
};
SetRules rulesFor(const std::string& titleCp1250, const std::string& directionCp1250);

// Whether a code page 1250 meaning can take an article: one word with a capital first
// letter ("Haus"), not a phrase ("zeitlicher Spielraum").
bool isGermanNoun(const std::string& cp1250);

// "der", "die", "das" for a gender; empty for none.
const char* articleFor(Gender gender);

// The meanings of one record, in code page 1250, within the record limits; notes the
// drops and cuts in the report.
std::vector<std::string> buildRecord(const Headword& h, const SetRules& rules, Report& report);

// Compiles and writes the set, then reads it back through the program's loader and
// checks it. Fails when the set cannot be written or fails a check.
Status compileSet(const Lexicon& lexicon, const SetOptions& options, Report& report);

}  // namespace lexavo::mkdict
