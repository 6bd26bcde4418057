#pragma once
// What the compiler did to its input: counts by reason, with a few examples each.

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace lexavo::mkdict {

class Report {
  public:
    // Counts one event of `reason`; the first few examples (UTF-8) are kept.
    void count(const std::string& reason, const std::string& example = {});
    size_t get(const std::string& reason) const;

    size_t headwordsWritten = 0;
    size_t slotsWritten = 0;  // headwords plus German article forms
    size_t meaningsWritten = 0;
    size_t unitsMoved = 0;  // headwords moved out of collation order for reachability
    std::string title;

    void print(std::ostream& out) const;

  private:
    struct Tally {
        size_t n = 0;
        std::vector<std::string> examples;
    };
    std::map<std::string, Tally> tallies_;
};

}  // namespace lexavo::mkdict
