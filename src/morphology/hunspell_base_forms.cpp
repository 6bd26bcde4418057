#include "morphology/hunspell_base_forms.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <hunspell/hunspell.hxx>
#include <system_error>

#include "text/cp1250.h"
#include "text/regular_file.h"

namespace lexavo {

namespace {

struct LanguageFiles {
    const char* code;     // of the irregular forms table
    const char* speller;  // stem of the .aff and .dic files
};

size_t indexOf(WordLanguage language) {
    switch (language) {
        case WordLanguage::kCzech:
            return 0;
        case WordLanguage::kGerman:
            return 1;
        case WordLanguage::kEnglish:
            return 2;
        default:
            return 3;
    }
}

constexpr LanguageFiles kFiles[] = {{"cs", "cs_CZ"}, {"de", "de_DE"}, {"en", "en_US"}};

// A cache that has grown this large is emptied rather than kept growing.
constexpr size_t kMaxKnownWords = 200000;

// A spelling dictionary's file is used only when it is a regular file of a sane
// size: the largest of Debian's is under 4 MB.
constexpr uint64_t kMaxSpellingFileBytes = uint64_t{64} << 20;

bool isSpellingFile(const std::string& path) {
    uint64_t size = 0;
    std::FILE* file = openRegularFile(path, &size);
    if (file == nullptr) return false;
    std::fclose(file);
    return size <= kMaxSpellingFileBytes;
}

// The small letter of a code page 1250 capital, or 0 for any other byte. The
// capitals lie 0x20 below their small letters (0x10 for Š, Ś, Ť, Ž, Ź).
unsigned char smallOf(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == 0x8A || c == 0x8C || c == 0x8D || c == 0x8E || c == 0x8F) return c + 0x10;
    return 0;
}

unsigned char capitalOf(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    if (c == 0x9A || c == 0x9C || c == 0x9D || c == 0x9E || c == 0x9F) return c - 0x10;
    return 0;
}

// The word with its first letter changed by change, or the word unchanged.
std::string withFirstLetter(std::string_view word, unsigned char (*change)(unsigned char)) {
    std::string changed(word);
    if (changed.empty()) return changed;
    if (const unsigned char c = change(static_cast<unsigned char>(changed[0])))
        changed[0] = static_cast<char>(c);
    return changed;
}

void addOnce(std::vector<std::string>& out, std::string_view word, std::string_view form) {
    if (form.empty() || form == word) return;
    if (std::find(out.begin(), out.end(), form) == out.end()) out.emplace_back(form);
}

void addIrregular(const IrregularForms& table, std::vector<std::string>& out, std::string_view word,
                  std::string_view form) {
    if (const auto* bases = table.find(form)) {
        for (const std::string& base : *bases) addOnce(out, word, base);
    }
}

}  // namespace

std::vector<std::string> hunspellFolders(const std::string& programDir) {
    return {programDir + "/hunspell", "/usr/share/hunspell", "/usr/share/myspell/dicts"};
}

HunspellBaseForms::HunspellBaseForms(std::vector<std::string> folders)
    : folders_(std::move(folders)) {}

HunspellBaseForms::~HunspellBaseForms() = default;

HunspellBaseForms::Language* HunspellBaseForms::load(WordLanguage language) {
    const size_t i = indexOf(language);
    if (i >= languages_.size()) return nullptr;
    Language& l = languages_[i];
    if (l.loaded) return &l;
    l.loaded = true;
    if (l.loading.valid()) {
        l.loading.get();
    } else {
        read(l, i);
    }
    return &l;
}

void HunspellBaseForms::prepare(WordLanguage language) {
    const size_t i = indexOf(language);
    if (i >= languages_.size()) return;
    Language& l = languages_[i];
    if (l.loaded || l.loading.valid()) return;
    try {
        l.loading = std::async(std::launch::async, [this, &l, i] { read(l, i); });
    } catch (const std::system_error&) {
        // No thread to be had: the first word loads the dictionary as before.
    }
}

void HunspellBaseForms::read(Language& l, size_t i) const {
    l.irregular.read(irregularFormsTable(kFiles[i].code));
    for (const std::string& folder : folders_) {
        const std::string stem = folder + "/" + kFiles[i].speller;
        if (!isSpellingFile(stem + ".aff") || !isSpellingFile(stem + ".dic")) continue;
        auto speller = std::make_unique<Hunspell>((stem + ".aff").c_str(), (stem + ".dic").c_str());
        // Words are handed over in UTF-8; a dictionary in another encoding is not used.
        if (speller->get_dict_encoding() != "UTF-8") continue;
        l.speller = std::move(speller);
        break;
    }
}

std::vector<std::string> HunspellBaseForms::spellingSuggestions(WordLanguage language,
                                                                std::string_view word) {
    Language* l = load(language);
    std::vector<std::string> out;
    if (l == nullptr || !l->speller || word.empty()) return out;
    for (const std::string& utf8 : l->speller->suggest(cp1250ToUtf8(word))) {
        std::string spelled = utf8ToCp1250(utf8);
        if (spelled.find('?') == std::string::npos) out.push_back(std::move(spelled));
    }
    return out;
}

bool HunspellBaseForms::acceptsUtf8(WordLanguage language, std::string_view utf8) {
    const Language* l = load(language);
    return l != nullptr && l->speller && !utf8.empty() && l->speller->spell(std::string(utf8));
}

bool HunspellBaseForms::hasSpellingDictionary(WordLanguage language) {
    const Language* l = load(language);
    return l != nullptr && l->speller != nullptr;
}

bool HunspellBaseForms::isOwnStem(WordLanguage language, std::string_view word) {
    const Language* l = load(language);
    if (l == nullptr || !l->speller || word.empty()) return false;
    const std::string utf8 = cp1250ToUtf8(word);
    const std::vector<std::string> found = l->speller->stem(l->speller->analyze(utf8));
    return std::find(found.begin(), found.end(), utf8) != found.end();
}

void HunspellBaseForms::forgetKnownWords() {
    for (Language& l : languages_) l.known.clear();
}

void HunspellBaseForms::stems(Language& l, std::string_view word,
                              std::vector<std::string>& out) const {
    if (!l.speller) return;
    // The stems of the word's analyses: the same stems as stem(word) gives, in about
    // half its time.
    const std::vector<std::string> found = l.speller->stem(l.speller->analyze(cp1250ToUtf8(word)));
    std::vector<std::string> forms;
    for (const std::string& utf8 : found) {
        std::string form = utf8ToCp1250(utf8);
        if (form.find('?') == std::string::npos) forms.push_back(std::move(form));
    }
    // Stems that begin as the word does come first: Czech "neděli" is "neděle"
    // before it is a negated "děl".
    const std::string begins = withFirstLetter(word.substr(0, 2), smallOf);
    std::stable_partition(forms.begin(), forms.end(), [&](const std::string& form) {
        return withFirstLetter(std::string_view(form).substr(0, 2), smallOf) == begins;
    });
    for (const std::string& form : forms) {
        addIrregular(l.irregular, out, word, form);
        addOnce(out, word, form);
    }
}

void HunspellBaseForms::addReflexive(std::vector<std::string>& out) {
    // A Czech reflexive verb is a headword with its pronoun: "zeptal" -> "zeptat" ->
    // "zeptat se". Each infinitive is followed by its two reflexive forms.
    for (size_t i = 0; i < out.size(); ++i) {
        const std::string& form = out[i];
        const bool infinitive = form.size() > 2 && (form.back() == 't' || form.ends_with("ci"));
        if (!infinitive) continue;
        const std::string verb = form;
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(i) + 1, {verb + " se", verb + " si"});
        i += 2;
    }
}

const std::vector<std::string>& HunspellBaseForms::baseForms(WordLanguage language,
                                                             std::string_view word) {
    static const std::vector<std::string> kNoForms;
    Language* l = load(language);
    if (l == nullptr || word.empty()) return kNoForms;
    std::string key(word);
    if (const auto it = l->known.find(key); it != l->known.end()) return it->second;
    std::vector<std::string> out;
    addIrregular(l->irregular, out, word, word);
    // A word that begins a sentence is in the table with its small letter.
    const std::string small = withFirstLetter(word, smallOf);
    if (small != word) addIrregular(l->irregular, out, word, small);
    stems(*l, word, out);
    // A German noun typed in small letters is known to the speller only with its
    // capital.
    if (small == word && language == WordLanguage::kGerman) {
        const std::string capital = withFirstLetter(word, capitalOf);
        if (capital != word) stems(*l, capital, out);
        out.erase(std::remove(out.begin(), out.end(), key), out.end());
    }
    if (language == WordLanguage::kCzech) addReflexive(out);
    if (l->known.size() >= kMaxKnownWords) l->known.clear();
    return l->known.emplace(std::move(key), std::move(out)).first->second;
}

}  // namespace lexavo
