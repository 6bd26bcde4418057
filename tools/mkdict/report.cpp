#include "report.h"

namespace lexavo::mkdict {

namespace {
constexpr size_t kExamples = 3;
}

void Report::count(const std::string& reason, const std::string& example) {
    Tally& t = tallies_[reason];
    ++t.n;
    if (!example.empty() && t.examples.size() < kExamples) t.examples.push_back(example);
}

size_t Report::get(const std::string& reason) const {
    auto it = tallies_.find(reason);
    return it == tallies_.end() ? 0 : it->second.n;
}

void Report::print(std::ostream& out) const {
    out << title << "\n";
    out << "  headwords written: " << headwordsWritten << "\n";
    out << "  slots written (headwords and German article forms): " << slotsWritten << "\n";
    out << "  meanings written: " << meaningsWritten << "\n";
    out << "  headwords moved out of collation order to stay reachable: " << unitsMoved << "\n";
    for (const auto& [reason, t] : tallies_) {
        out << "  " << reason << ": " << t.n;
        for (size_t i = 0; i < t.examples.size(); ++i) {
            out << (i == 0 ? "  (e.g. " : ", ") << '"' << t.examples[i] << '"';
        }
        if (!t.examples.empty()) out << ")";
        out << "\n";
    }
}

}  // namespace lexavo::mkdict
