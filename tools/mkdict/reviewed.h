#pragma once
// A reviewed order of the meanings of a set's commonest headwords
// (data/reviewed/<stem>.tsv), applied after the ranking. One line a headword:
//
//   headword TAB meaning | meaning | -meaning | +meaning
//
//  - a plain meaning is one the compiler gave from the sources when the list was
//    reviewed (compared without notes and case); the listed ones come first, in the
//    listed order, the others follow in ranked order. One that a later change of the
//    ranking no longer gives is kept, and counted;
//  - "-meaning" drops a translation the sources give wrongly;
//  - "+meaning" adds a translation the sources lack, at that place: the file says so.
// A German noun may carry its gender as a Ding-style note, "Zeit {f}", on the headword
// (German headwords) or on an added meaning (German meanings); a German meaning may also
// be written with its article, as the program shows it ("die Zeit"). A headword the sources
// lack is added when its line adds meanings. Lines starting with '#' are comments.

#include <string>
#include <vector>

#include "lexicon.h"
#include "report.h"
#include "status.h"

namespace lexavo::mkdict {

struct ReviewedLine {
    std::string headword;
    Gender gender = Gender::kNone;
    struct Item {
        enum class Kind { kKeep, kDrop, kAdd } kind = Kind::kKeep;
        std::string text;
        Gender gender = Gender::kNone;
    };
    std::vector<Item> items;
};

// Parses one line; false for comments, blank and malformed lines.
bool parseReviewedLine(const std::string& line, ReviewedLine& out);

class ReviewedList {
  public:
    // Adds the lines of one file; a list may be read from several.
    Status read(const std::string& path);
    // Reorders, drops and adds as the lines say; every change and every listed meaning
    // that the sources do not give is counted in the report.
    void apply(Lexicon& lexicon, Report& report) const;
    const std::vector<ReviewedLine>& lines() const { return lines_; }

  private:
    std::vector<ReviewedLine> lines_;
};

}  // namespace lexavo::mkdict
