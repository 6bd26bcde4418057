#include "dictionary/german_articles.h"

#include <cstring>

#include "text/cp1250.h"

namespace lexavo {

std::string germanArticleForm(std::string_view noun, std::string_view article) {
    std::string form(noun);
    form += ' ';
    form += article;
    return form;
}

std::string_view trailingGermanArticle(std::string_view text) {
    if (text.size() < kArticleSuffixBytes || text[text.size() - kArticleSuffixBytes] != ' ')
        return {};
    const std::string_view tail = text.substr(text.size() - (kArticleSuffixBytes - 1));
    for (const std::string_view article : kGermanArticles) {
        if (tail == article) return article;
    }
    return {};
}

bool isGermanArticleFormOf(std::string_view form, std::string_view noun) {
    return form.size() == noun.size() + kArticleSuffixBytes && form.starts_with(noun) &&
           !trailingGermanArticle(form).empty();
}

void joinGermanArticleInPlace(char* form, size_t size) {
    if (size < kArticleSuffixBytes) return;
    const size_t nounBytes = size - kArticleSuffixBytes;
    char article[kArticleSuffixBytes - 1];
    std::memcpy(article, form + nounBytes + 1, sizeof article);
    std::memmove(form + kArticleSuffixBytes, form, nounBytes);
    std::memcpy(form, article, sizeof article);
    form[kArticleSuffixBytes - 1] = ' ';
    if (nounBytes > 0) form[kArticleSuffixBytes] = upperAscii(form[kArticleSuffixBytes]);
}

std::vector<std::string> joinGermanArticles(std::vector<std::string> meanings) {
    for (size_t k = 0; k < meanings.size(); ++k) {
        const bool last = k + 1 == meanings.size();
        if (!isGermanArticleFormOf(meanings[k], last ? std::string() : meanings[k + 1])) continue;
        if (last) {
            meanings.pop_back();
            break;
        }
        joinGermanArticleInPlace(meanings[k].data(), meanings[k].size());
        meanings.erase(meanings.begin() + static_cast<std::ptrdiff_t>(k) + 1);
    }
    return meanings;
}

}  // namespace lexavo
