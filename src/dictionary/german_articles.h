#pragma once
// The German article forms of the two German sets, for the program and the compiler:
//  - "Nj->Čj": a noun headword is followed by its article form, "Haus", "Haus das";
//  - "Čj->Nj": a noun meaning is stored as its article form followed by the noun,
//    "Hund der", "Hund", and shown joined, "der Hund".
// An article form is the noun, a blank and the article.

#include <string>
#include <string_view>
#include <vector>

namespace lexavo {

constexpr std::string_view kGermanArticles[] = {"der", "die", "das"};
// A blank and the three letters of an article.
constexpr size_t kArticleSuffixBytes = 4;

// "Haus das" for ("Haus", "das").
std::string germanArticleForm(std::string_view noun, std::string_view article);

// The article a text ends in after a blank ("Hund der": "der"); empty when none.
std::string_view trailingGermanArticle(std::string_view text);

// Whether `form` is `noun`, a blank and an article.
bool isGermanArticleFormOf(std::string_view form, std::string_view noun);

// Turns an article form into the joined text in place: "Hund der" becomes "der Hund",
// the noun's first letter an ASCII capital. `size` is the form's length.
void joinGermanArticleInPlace(char* form, size_t size);

// Joins each article form that is followed by its noun ("Hund der", "Hund" -> "der
// Hund"), as the program reads an entry: a lone last " der" pairs with the nothing
// after it and leaves the meanings.
std::vector<std::string> joinGermanArticles(std::vector<std::string> meanings);

}  // namespace lexavo
