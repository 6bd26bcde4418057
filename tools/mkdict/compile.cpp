#include "compile.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

#include "collation.h"
#include "dictionary/dictionary_store.h"
#include "dictionary/formats.h"
#include "dictionary/german_articles.h"
#include "ordering.h"
#include "text/cp1250.h"
#include "text_rules.h"

namespace lexavo::mkdict {

namespace {

const char* fitReason(FitResult r, bool headword) {
    switch (r) {
        case FitResult::kEmpty:
            return headword ? "headwords dropped: empty" : "meanings dropped: empty";
        case FitResult::kBadBytes:
            return headword ? "headwords dropped: characters outside code page 1250"
                            : "meanings dropped: characters outside code page 1250";
        case FitResult::kTooLong:
            return headword ? "headwords dropped: longer than 21 bytes"
                            : "meanings dropped: a phrase longer than 49 bytes";
        default:
            return "";
    }
}

struct Compiled {
    std::string headword;  // code page 1250
    std::vector<std::string> record;
    std::string articleForm;  // "Haus das" or empty
};

// Checks the written set through the program's own loader.
Status verifyWrittenSet(const SetOptions& options, const std::vector<std::string>& slots,
                        const SetRules& rules) {
    DictionaryStore store;
    if (store.loadDictionary(options.outputDir, {options.stem + ".nfo", options.stem + ".dt1",
                                                 options.stem + ".dt2"}) !=
        DictionaryStore::LoadResult::kLoaded) {
        return Status::failure("the written set does not load");
    }
    if (store.headwordCount() != slots.size()) {
        return Status::failure("the loader read " + std::to_string(store.headwordCount()) +
                               " headwords, not " + std::to_string(slots.size()));
    }
    for (uint32_t s = 0; s < store.headwordCount(); ++s) {
        if (store.headword(s) != slots[s]) {
            return Status::failure("slot " + std::to_string(s) + " loads differently");
        }
        const int32_t start = store.startSlot(static_cast<unsigned char>(foldAscii(slots[s][0])));
        if (start == -1 || static_cast<uint32_t>(start) > s) {
            return Status::failure("headword unreachable after loading: " + cp1250ToUtf8(slots[s]));
        }
    }
    std::ifstream dt2(options.outputDir + "/" + options.stem + ".dt2", std::ios::binary);
    const size_t records = static_cast<size_t>(std::count(
        std::istreambuf_iterator<char>(dt2), std::istreambuf_iterator<char>(), kRecordTerminator));
    if (records != slots.size() + (rules.extraLeadingRecord ? 1 : 0)) {
        return Status::failure("the entry file holds " + std::to_string(records) + " records");
    }
    return {};
}

}  // namespace

SetRules rulesFor(const std::string& titleCp1250, const std::string& directionCp1250) {
    SetRules r;
    r.germanHeadwords = directionCp1250 == kDirectionGermanCzech;
    r.germanMeanings = directionCp1250 == kDirectionCzechGerman;
    r.forceA = r.germanMeanings;
    r.extraLeadingRecord = isCzechFirstTitle(titleCp1250);
    return r;
}

bool isGermanNoun(const std::string& cp1250) {
    if (cp1250.empty() || cp1250.find(' ') != std::string::npos) return false;
    const UChar32 first =
        static_cast<UChar32>(cp1250ToUnicode(static_cast<unsigned char>(cp1250[0])));
    return u_isupper(first);
}

const char* articleFor(Gender gender) {
    switch (gender) {
        case Gender::kMasculine:
            return kGermanArticles[0].data();
        case Gender::kFeminine:
            return kGermanArticles[1].data();
        case Gender::kNeuter:
            return kGermanArticles[2].data();
        default:
            return "";
    }
}

std::vector<std::string> buildRecord(const Headword& h, const SetRules& rules, Report& report) {
    std::vector<std::string> record;
    std::unordered_set<std::string> present;
    size_t storedBytes = 0;
    bool full = false;
    for (const Sense& s : h.senses) {
        std::string text;
        const FitResult fit = fitMeaning(s.text, text);
        if (fit != FitResult::kFits && fit != FitResult::kShortened) {
            report.count(fitReason(fit, false), s.text);
            continue;
        }
        if (fit == FitResult::kShortened) report.count("meanings shortened", s.text);
        if (present.count(text)) {
            report.count("meanings dropped: same as an earlier one", s.text);
            continue;
        }
        // In "Čj->Nj" a German noun is written with its article and then bare, which
        // the program joins into "der Hund".
        if (rules.germanMeanings && !trailingGermanArticle(text).empty()) {
            // A cut definition ending in "der", "die" or "das" would be read as an
            // article form by the program: the article word goes.
            while (!trailingGermanArticle(text).empty()) text.erase(text.rfind(' '));
            report.count("meanings shortened: ending in an article word", s.text);
            if (present.count(text)) continue;
        }
        std::vector<std::string> add;
        const char* article =
            rules.germanMeanings && isGermanNoun(text) ? articleFor(s.targetGender) : "";
        if (*article != 0 && text.size() + kArticleSuffixBytes <= kMaxMeaningBytes &&
            !present.count(text)) {
            add.push_back(germanArticleForm(text, article));
        }
        add.push_back(text);
        size_t bytes = 0;
        for (const std::string& a : add) bytes += a.size() + (record.empty() ? 0 : 1);
        if (full || record.size() + add.size() > kMaxMeaningsPerRecord ||
            storedBytes + bytes > kMaxRecordBytes) {
            full = true;
            report.count("meanings dropped: record full (200 meanings or 999 bytes)", s.text);
            continue;
        }
        for (std::string& a : add) {
            storedBytes += a.size() + (record.empty() ? 0 : 1);
            present.insert(a);
            record.push_back(std::move(a));
        }
    }
    return record;
}

namespace {

// The compiled headwords in source order, with the index of each code page 1250 text.
struct CompiledSet {
    std::vector<Compiled> entries;
    std::unordered_map<std::string, size_t> byHeadword;
};

// A German noun's form with its article ("Haus das"), from its first sense with a
// gender; empty when it has none or the form is too long.
std::string articleFormOf(const Headword& h, const std::string& head, Report& report) {
    for (const Sense& s : h.senses) {
        if (s.gender == Gender::kNone) continue;
        const std::string form = germanArticleForm(head, articleFor(s.gender));
        if (form.size() <= kMaxHeadwordBytes) return form;
        report.count("article forms left out: longer than 21 bytes", h.text);
        return {};
    }
    return {};
}

// Headwords in code page 1250; texts that become equal are merged.
CompiledSet compileHeadwords(const Lexicon& lexicon, const SetRules& rules, Report& report) {
    CompiledSet set;
    for (const Headword& h : lexicon.headwords()) {
        std::string head;
        const FitResult fit = fitHeadword(h.text, head);
        if (fit != FitResult::kFits) {
            report.count(fitReason(fit, true), h.text);
            continue;
        }
        auto [it, inserted] = set.byHeadword.try_emplace(head, set.entries.size());
        if (!inserted) {
            report.count("headwords merged: equal after normalizing blanks", h.text);
            continue;
        }
        std::vector<std::string> record = buildRecord(h, rules, report);
        if (record.empty()) {
            report.count("headwords dropped: no meaning left", h.text);
            set.byHeadword.erase(it);
            continue;
        }
        Compiled c{head, std::move(record), {}};
        if (rules.germanHeadwords && isGermanNoun(head))
            c.articleForm = articleFormOf(h, head, report);
        set.entries.push_back(std::move(c));
    }
    return set;
}

// Capacity: the headwords with the fewest meanings give way first.
void fitSlots(std::vector<Compiled>& compiled, Report& report) {
    size_t slotsNeeded = 0;
    for (const Compiled& c : compiled) slotsNeeded += c.articleForm.empty() ? 1 : 2;
    if (slotsNeeded <= kHeadwordSlots) return;
    std::stable_sort(compiled.begin(), compiled.end(), [](const auto& a, const auto& b) {
        return a.record.size() > b.record.size();
    });
    while (slotsNeeded > kHeadwordSlots) {
        slotsNeeded -= compiled.back().articleForm.empty() ? 1 : 2;
        report.count("headwords dropped: over 400,000 slots",
                     cp1250ToUtf8(compiled.back().headword));
        compiled.pop_back();
    }
}

// Collation order, then reachability: a letter headword is added where a first letter
// has no start slot and the set names a word for letters.
Status arrange(CompiledSet& set, const SetOptions& options, const SetRules& rules, Report& report,
               std::vector<Unit>& units) {
    std::vector<Compiled>& compiled = set.entries;
    std::vector<std::string> utf8;
    utf8.reserve(compiled.size());
    for (const Compiled& c : compiled) utf8.push_back(cp1250ToUtf8(c.headword));
    std::vector<size_t> order;
    if (Status s = collationOrder(utf8, options.locale, order); !s.ok()) return s;
    units.reserve(order.size());
    for (size_t i : order) {
        const Compiled& c = compiled[i];
        units.push_back(Unit{c.headword, c.articleForm.empty() ? 1u : 2u, i});
    }
    auto makeLetter = [&](unsigned char letter, Unit& made) {
        const std::string head(1, static_cast<char>(letter));
        if (options.letterWord.empty() || set.byHeadword.count(head) ||
            isForbiddenTextByte(letter) ||
            !u_isalpha(static_cast<UChar32>(cp1250ToUnicode(letter)))) {
            return false;
        }
        const std::string meaning = utf8ToCp1250(options.letterWord) + " " + head;
        set.byHeadword.emplace(head, compiled.size());
        made = Unit{head, 1, compiled.size()};
        compiled.push_back(Compiled{head, {meaning}, {}});
        report.count("letter headwords added as start slots", cp1250ToUtf8(head));
        return true;
    };
    ArrangeResult arranged = arrangeForReachability(units, rules.forceA, makeLetter);
    report.unitsMoved = arranged.moved;
    for (const Unit& u : arranged.unreachable) {
        report.count("headwords dropped: unreachable (no start slot for the first letter)",
                     cp1250ToUtf8(u.head));
    }
    return {};
}

}  // namespace

Status compileSet(const Lexicon& lexicon, const SetOptions& options, Report& report) {
    const std::string titleCp = utf8ToCp1250(options.title);
    const SetRules rules = rulesFor(titleCp, utf8ToCp1250(options.direction));
    report.title = options.title + " (" + options.stem + ")";
    if (options.stem.empty() || options.stem.size() > 8) {
        return Status::failure("the stem must have 1 to 8 characters");
    }
    CompiledSet set = compileHeadwords(lexicon, rules, report);
    fitSlots(set.entries, report);
    std::vector<Unit> units;
    if (Status s = arrange(set, options, rules, report, units); !s.ok()) return s;

    std::vector<std::string> slots;
    std::vector<std::vector<std::string>> records;
    for (const Unit& u : units) {
        const Compiled& c = set.entries[u.payload];
        slots.push_back(c.headword);
        records.push_back(c.record);
        ++report.headwordsWritten;
        report.meaningsWritten += c.record.size();
        if (!c.articleForm.empty()) {
            slots.push_back(c.articleForm);
            records.push_back(c.record);
        }
    }
    report.slotsWritten = slots.size();

    DictionarySetHeader header{options.stem, titleCp, utf8ToCp1250(options.direction),
                               utf8ToCp1250(options.wordLabel), rules.extraLeadingRecord};
    if (!writeDictionarySet(options.outputDir, header, slots, records)) {
        return Status::failure("cannot write the set " + options.stem + " into " +
                               options.outputDir);
    }
    return verifyWrittenSet(options, slots, rules);
}

}  // namespace lexavo::mkdict
