#include "lexicon.h"

namespace lexavo::mkdict {

Headword& Lexicon::entry(const std::string& headword) {
    auto [it, inserted] = byText_.try_emplace(headword, items_.size());
    if (inserted) items_.push_back(Headword{headword, {}});
    return items_[it->second];
}

const Headword* Lexicon::find(const std::string& headword) const {
    auto it = byText_.find(headword);
    return it == byText_.end() ? nullptr : &items_[it->second];
}

void Lexicon::add(const std::string& headword, Sense sense) {
    Headword& h = entry(headword);
    sense.sourceRank = static_cast<int>(h.senses.size());
    h.senses.push_back(std::move(sense));
}

}  // namespace lexavo::mkdict
