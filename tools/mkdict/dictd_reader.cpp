#include "dictd_reader.h"

#include <zlib.h>

#include <fstream>

#include "text_rules.h"

namespace lexavo::mkdict {

namespace {

int base64Digit(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Splits "<word class, gender, number>" into its word class, gender and whether it is
// a plural.
void parseGrammar(std::string_view inner, std::string& pos, Gender& gender, bool& plural) {
    for (const std::string& part : splitOutsideBrackets(inner, ",")) {
        if (part == "pl") plural = true;
        if (part == "masc") {
            gender = Gender::kMasculine;
        } else if (part == "fem") {
            gender = Gender::kFeminine;
        } else if (part == "neut") {
            gender = Gender::kNeuter;
        } else if (pos.empty() && part != "sg" && part != "pl" && part != "intr" &&
                   part != "trans") {
            pos = part;
        }
    }
}

// Takes a trailing "<...>" off the text and parses it.
void takeGrammar(std::string& text, std::string& pos, Gender& gender, bool& plural) {
    if (text.empty() || text.back() != '>') return;
    const size_t open = text.rfind('<');
    if (open == std::string::npos) return;
    parseGrammar(std::string_view(text).substr(open + 1, text.size() - open - 2), pos, gender,
                 plural);
    text = normalizeSpace(text.substr(0, open));
}

}  // namespace

bool decodeDictdNumber(std::string_view digits, uint64_t& value) {
    value = 0;
    if (digits.empty()) return false;
    for (char c : digits) {
        const int d = base64Digit(c);
        if (d < 0) return false;
        value = value * 64 + static_cast<uint64_t>(d);
    }
    return true;
}

Status readGzipFile(const std::string& path, std::string& data) {
    gzFile file = gzopen(path.c_str(), "rb");
    if (file == nullptr) return Status::failure("cannot open " + path);
    gzbuffer(file, 1 << 20);
    data.clear();
    char buffer[1 << 16];
    int n = 0;
    while ((n = gzread(file, buffer, sizeof buffer)) > 0) data.append(buffer, n);
    gzclose(file);
    if (n != 0) return Status::failure("cannot decompress " + path);
    return {};
}

Status readDictd(const std::string& base, std::vector<DictdArticle>& articles) {
    std::string data;
    if (Status s = readGzipFile(base + ".dict.dz", data); !s.ok()) return s;
    std::ifstream index(base + ".index");
    if (!index) return Status::failure("cannot open " + base + ".index");
    std::string line;
    size_t lineNumber = 0;
    while (std::getline(index, line)) {
        ++lineNumber;
        const size_t tab1 = line.find('\t');
        const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        uint64_t offset = 0;
        uint64_t length = 0;
        if (tab2 == std::string::npos ||
            !decodeDictdNumber(std::string_view(line).substr(tab1 + 1, tab2 - tab1 - 1), offset) ||
            !decodeDictdNumber(std::string_view(line).substr(tab2 + 1), length) ||
            offset > data.size() || length > data.size() - offset) {
            return Status::failure(base + ".index:" + std::to_string(lineNumber) +
                                   ": malformed line");
        }
        std::string word = line.substr(0, tab1);
        if (word.starts_with("00database") || word.starts_with("00-database")) continue;
        articles.push_back(DictdArticle{std::move(word), data.substr(offset, length)});
    }
    return {};
}

namespace {

// The article's first line: the headword without its pronunciations, notes and
// grammar, which go into the article.
void readFreedictHead(std::string_view line, FreedictArticle& article) {
    std::string head(line);
    // Every " /.../" is a pronunciation; some headwords carry several.
    for (size_t slash; (slash = head.find(" /")) != std::string::npos;) {
        const size_t close = head.find('/', slash + 2);
        std::string rest = close == std::string::npos ? "" : head.substr(close + 1);
        head = head.substr(0, slash) + rest;
    }
    head = normalizeSpace(head);
    takeGrammar(head, article.pos, article.gender, article.plural);
    // A note such as "([+ dat])" in "mit /mˈɪt/ ([+ dat]) <prep>" is not typed.
    article.headword = withoutNotes(head).empty() ? head : withoutNotes(head);
}

// The length of the labels before a line's first translation ("[slang]  [pharm.]
// cocaine, coke"): they are the whole line's.
size_t leadingLabels(std::string_view content) {
    size_t labels = 0;
    while (labels < content.size() && content[labels] == '[') {
        const size_t close = content.find(']', labels);
        if (close == std::string_view::npos) break;
        labels = content.find_first_not_of(' ', close + 1);
        if (labels == std::string_view::npos) labels = content.size();
    }
    return labels;
}

// A line after the first: its translations, unless it is an example, a cross
// reference or a note.
void readFreedictSenses(std::string_view line, FreedictArticle& article) {
    size_t indent = 0;
    while (indent < line.size() && line[indent] == ' ') ++indent;
    std::string_view content = line.substr(indent);
    // Numbered senses ("1. about, approximately"): the number is not a translation.
    size_t digits = 0;
    while (digits < content.size() && content[digits] >= '0' && content[digits] <= '9') ++digits;
    if (digits > 0 && content.substr(digits).starts_with(". ")) content.remove_prefix(digits + 2);
    if (indent > 1 || content.empty() || content.starts_with("see:") ||
        content.starts_with("Note:") || content.starts_with("Synonym")) {
        return;
    }
    // A glossary line ("costs, time" -> "[eko] náklady, čas") pairs two lists term by
    // term; its translation is one phrase, not a list of separate meanings.
    const bool glossary = article.headword.find(',') != std::string::npos;
    const std::vector<std::string> parts = glossary
                                               ? std::vector<std::string>{normalizeSpace(content)}
                                               : splitOutsideBrackets(content, ", ");
    const bool lineMarked = hasUsageLabel(content.substr(0, leadingLabels(content)));
    for (std::string part : parts) {
        FreedictArticle::Translation t;
        Gender ignoredGender = Gender::kNone;
        bool ignoredPlural = false;
        takeGrammar(part, t.pos, ignoredGender, ignoredPlural);
        t.marked = lineMarked || hasUsageLabel(part);
        t.text = part;
        if (!t.text.empty()) article.translations.push_back(std::move(t));
    }
}

}  // namespace

FreedictArticle parseFreedictArticle(std::string_view body) {
    FreedictArticle article;
    size_t pos = 0;
    bool first = true;
    while (pos < body.size()) {
        size_t end = body.find('\n', pos);
        if (end == std::string_view::npos) end = body.size();
        const std::string_view line = body.substr(pos, end - pos);
        pos = end + 1;
        if (first) {
            readFreedictHead(line, article);
            first = false;
        } else {
            readFreedictSenses(line, article);
        }
    }
    return article;
}

void addFreedictArticles(const std::vector<DictdArticle>& articles, Lexicon& lexicon) {
    for (const DictdArticle& a : articles) {
        FreedictArticle article = parseFreedictArticle(a.body);
        if (article.headword.empty()) continue;
        for (auto& t : article.translations) {
            Sense s;
            s.text = std::move(t.text);
            s.pos = t.pos.empty() ? article.pos : t.pos;
            // A plural is a noun's: "Schreie <pl>" is no verb ("screams": "křičí").
            if (s.pos.empty() && article.plural) s.pos = "n";
            s.gender = article.gender;
            s.plural = article.plural;
            if (t.marked) s.score = -1;
            lexicon.add(article.headword, std::move(s));
        }
    }
}

}  // namespace lexavo::mkdict
