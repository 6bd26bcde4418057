#include "morphology/irregular_forms.h"

#include "text/cp1250.h"

namespace lexavo {

namespace {

// Whether utf8 converts to code page 1250 without loss (a '?' only where it had one).
bool convertsWhole(std::string_view utf8, std::string_view cp1250) {
    size_t marks = 0;
    for (char c : utf8) marks += c == '?';
    size_t converted = 0;
    for (char c : cp1250) converted += c == '?';
    return marks == converted;
}

}  // namespace

void IrregularForms::read(std::string_view table) {
    while (!table.empty()) {
        const size_t end = table.find('\n');
        std::string_view line = table.substr(0, end);
        table.remove_prefix(end == std::string_view::npos ? table.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos || line.find('\t', tab + 1) != std::string_view::npos)
            continue;
        const std::string_view form = line.substr(0, tab);
        const std::string_view base = line.substr(tab + 1);
        if (form.empty() || base.empty() || form == base) continue;
        std::string formBytes = utf8ToCp1250(form);
        std::string baseBytes = utf8ToCp1250(base);
        if (!convertsWhole(form, formBytes) || !convertsWhole(base, baseBytes)) continue;
        std::vector<std::string>& bases = bases_[std::move(formBytes)];
        bool known = false;
        for (const std::string& b : bases) known = known || b == baseBytes;
        if (!known) bases.push_back(std::move(baseBytes));
    }
}

const std::vector<std::string>* IrregularForms::find(std::string_view form) const {
    const auto it = bases_.find(std::string(form));
    return it == bases_.end() ? nullptr : &it->second;
}

}  // namespace lexavo
