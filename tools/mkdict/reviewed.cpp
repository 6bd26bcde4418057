#include "reviewed.h"

#include <algorithm>
#include <fstream>

#include "text_rules.h"
#include "word_tables.h"

namespace lexavo::mkdict {

namespace {

// Takes a trailing "{m}", "{f}" or "{n}" off the text.
Gender takeGender(std::string& text) {
    text = normalizeSpace(text);
    if (text.size() >= 4 && text.ends_with('}') && text[text.size() - 4] == ' ' &&
        text[text.size() - 3] == '{') {
        const char g = text[text.size() - 2];
        if (g == 'm' || g == 'f' || g == 'n') {
            text.resize(text.size() - 4);
            return static_cast<Gender>(g);
        }
    }
    return Gender::kNone;
}

std::string key(const std::string& text) { return foldCase(withoutNotes(text)); }

}  // namespace

bool parseReviewedLine(const std::string& line, ReviewedLine& out) {
    out = ReviewedLine{};
    if (line.empty() || line[0] == '#') return false;
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) return false;
    out.headword = line.substr(0, tab);
    out.gender = takeGender(out.headword);
    if (out.headword.empty()) return false;
    for (std::string part : splitOutsideBrackets(std::string_view(line).substr(tab + 1), "|")) {
        ReviewedLine::Item item;
        if (part[0] == '-' || part[0] == '+') {
            item.kind =
                part[0] == '-' ? ReviewedLine::Item::Kind::kDrop : ReviewedLine::Item::Kind::kAdd;
            part.erase(0, 1);
        }
        item.gender = takeGender(part);
        // "die Zeit" names a German noun with its gender, as the program shows it.
        for (const auto& [article, gender] :
             {std::pair{"der ", Gender::kMasculine}, std::pair{"die ", Gender::kFeminine},
              std::pair{"das ", Gender::kNeuter}}) {
            if (part.starts_with(article) && part.size() > 4 && part[4] >= 'A' && part[4] <= 'Z') {
                part.erase(0, 4);
                if (item.gender == Gender::kNone) item.gender = gender;
            }
        }
        item.text = part;
        if (!item.text.empty()) out.items.push_back(std::move(item));
    }
    return !out.items.empty();
}

bool ReviewedList::read(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot open the reviewed list " + path;
        return false;
    }
    std::string line;
    ReviewedLine parsed;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (parseReviewedLine(line, parsed)) lines_.push_back(std::move(parsed));
    }
    return true;
}

void ReviewedList::apply(Lexicon& lexicon, Report& report) const {
    using Kind = ReviewedLine::Item::Kind;
    for (const ReviewedLine& line : lines_) {
        const bool adds = std::any_of(line.items.begin(), line.items.end(),
                                      [](const auto& i) { return i.kind == Kind::kAdd; });
        if (lexicon.find(line.headword) == nullptr) {
            if (!adds) {
                report.count("reviewed: headword not in the sources", line.headword);
                continue;
            }
            report.count("reviewed: headwords added", line.headword);
        }
        Headword& h = lexicon.entry(line.headword);
        Gender headGender = line.gender;
        if (headGender == Gender::kNone) {
            for (const Sense& s : h.senses) {
                if (s.gender != Gender::kNone) headGender = s.gender;
                if (headGender != Gender::kNone) break;
            }
        }
        std::vector<Sense> rest = std::move(h.senses);
        std::vector<Sense> front;
        auto take = [&](const std::string& text) {
            auto it = std::find_if(rest.begin(), rest.end(),
                                   [&](const Sense& s) { return key(s.text) == key(text); });
            if (it == rest.end()) return false;
            front.push_back(std::move(*it));
            front.back().reviewed = true;
            rest.erase(it);
            return true;
        };
        auto addSense = [&](const ReviewedLine::Item& item) {
            Sense s;
            s.text = item.text;
            s.targetGender = item.gender;
            s.gender = headGender;
            s.pos = !rest.empty() ? rest.front().pos : front.empty() ? "" : front.back().pos;
            s.reviewed = true;
            front.push_back(std::move(s));
        };
        for (const auto& item : line.items) {
            switch (item.kind) {
                case Kind::kKeep:
                    if (!take(item.text)) {
                        // The compiler gave it when the list was reviewed; a later change
                        // of the ranking or the pivot no longer does.
                        addSense(item);
                        report.count("reviewed: meanings the compiler no longer gives, kept",
                                     line.headword + " -> " + item.text);
                    } else if (item.gender != Gender::kNone &&
                               front.back().targetGender != item.gender) {
                        front.back().targetGender = item.gender;
                        report.count("reviewed: genders corrected",
                                     line.headword + " -> " + item.text);
                    }
                    break;
                case Kind::kDrop:
                    if (take(item.text)) {
                        front.pop_back();
                        report.count("reviewed: meanings dropped",
                                     line.headword + " -> " + item.text);
                    }
                    break;
                case Kind::kAdd:
                    if (!take(item.text)) {
                        addSense(item);
                        report.count("reviewed: meanings added",
                                     line.headword + " -> " + item.text);
                    } else if (item.gender != Gender::kNone) {
                        front.back().targetGender = item.gender;
                    }
                    break;
            }
        }
        if (!front.empty() && !rest.empty())
            report.count("reviewed: headwords reordered", line.headword);
        h.senses = std::move(front);
        for (Sense& s : rest) h.senses.push_back(std::move(s));
        if (line.gender != Gender::kNone) {
            for (Sense& s : h.senses) s.gender = line.gender;
        }
    }
}

}  // namespace lexavo::mkdict
