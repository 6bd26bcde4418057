#include "reviewed.h"

#include <algorithm>
#include <fstream>

#include "line_reader.h"
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

Status ReviewedList::read(const std::string& path) {
    ReviewedLine parsed;
    return forEachLine(
        path,
        [&](std::string& line) {
            if (parseReviewedLine(line, parsed)) lines_.push_back(std::move(parsed));
            return true;
        },
        "the reviewed list ");
}

namespace {

using Kind = ReviewedLine::Item::Kind;

// One reviewed line applied to its headword's senses: the listed ones come first, in
// the listed order, the rest after them.
class LineApplier {
  public:
    LineApplier(const ReviewedLine& line, Headword& h, Report& report)
        : line_(line), report_(report), rest_(std::move(h.senses)), gender_(line.gender) {
        for (const Sense& s : rest_) {
            if (gender_ != Gender::kNone) break;
            gender_ = s.gender;
        }
    }

    void apply(const ReviewedLine::Item& item) {
        switch (item.kind) {
            case Kind::kKeep:
                if (!take(item.text)) {
                    // The compiler gave it when the list was reviewed; a later change
                    // of the ranking or the pivot no longer does.
                    add(item);
                    count("reviewed: meanings the compiler no longer gives, kept", item);
                } else if (item.gender != Gender::kNone &&
                           front_.back().targetGender != item.gender) {
                    front_.back().targetGender = item.gender;
                    count("reviewed: genders corrected", item);
                }
                break;
            case Kind::kDrop:
                if (take(item.text)) {
                    front_.pop_back();
                    count("reviewed: meanings dropped", item);
                }
                break;
            case Kind::kAdd:
                if (!take(item.text)) {
                    add(item);
                    count("reviewed: meanings added", item);
                } else if (item.gender != Gender::kNone) {
                    front_.back().targetGender = item.gender;
                }
                break;
        }
    }

    // The senses in their new order, the headword's gender as the line gives it.
    std::vector<Sense> finish() {
        if (!front_.empty() && !rest_.empty())
            report_.count("reviewed: headwords reordered", line_.headword);
        for (Sense& s : rest_) front_.push_back(std::move(s));
        if (line_.gender != Gender::kNone) {
            for (Sense& s : front_) s.gender = line_.gender;
        }
        return std::move(front_);
    }

  private:
    bool take(const std::string& text) {
        auto it = std::find_if(rest_.begin(), rest_.end(),
                               [&](const Sense& s) { return key(s.text) == key(text); });
        if (it == rest_.end()) return false;
        front_.push_back(std::move(*it));
        front_.back().reviewed = true;
        rest_.erase(it);
        return true;
    }

    void add(const ReviewedLine::Item& item) {
        Sense s;
        s.text = item.text;
        s.targetGender = item.gender;
        s.gender = gender_;
        s.pos = !rest_.empty() ? rest_.front().pos : front_.empty() ? "" : front_.back().pos;
        s.reviewed = true;
        front_.push_back(std::move(s));
    }

    void count(const char* what, const ReviewedLine::Item& item) {
        report_.count(what, line_.headword + " -> " + item.text);
    }

    const ReviewedLine& line_;
    Report& report_;
    std::vector<Sense> rest_;
    std::vector<Sense> front_;
    Gender gender_;  // of the headword: the line's, else its first sense's with one
};

}  // namespace

void ReviewedList::apply(Lexicon& lexicon, Report& report) const {
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
        LineApplier applier(line, h, report);
        for (const auto& item : line.items) applier.apply(item);
        h.senses = applier.finish();
    }
}

}  // namespace lexavo::mkdict
