#pragma once
// A table of irregular forms and their base forms, for the forms a spelling
// dictionary does not reduce (Czech "psa" -> "pes", German "ging" -> "gehen").

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lexavo {

class IrregularForms {
  public:
    // Reads lines "form<TAB>base" (UTF-8); '#' begins a comment line. A form on
    // several lines has several base forms, in the order of the lines. Lines with
    // other than two fields, or with a text code page 1250 cannot hold, are skipped.
    void read(std::string_view utf8Table);

    // The base forms of form (code page 1250), or null when the table has none.
    const std::vector<std::string>* find(std::string_view form) const;
    size_t size() const { return bases_.size(); }

  private:
    std::unordered_map<std::string, std::vector<std::string>> bases_;
};

// The committed tables compiled into the program, by language code ("cs", "de",
// "en"); empty for another code.
std::string_view irregularFormsTable(std::string_view languageCode);

}  // namespace lexavo
