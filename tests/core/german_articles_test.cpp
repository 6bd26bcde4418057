// The German article forms shared by the program and the compiler.
#include "dictionary/german_articles.h"

#include <gtest/gtest.h>

namespace lexavo {
namespace {

using Meanings = std::vector<std::string>;

TEST(GermanArticles, FormsAndTheirArticle) {
    EXPECT_EQ(germanArticleForm("Haus", "das"), "Haus das");
    EXPECT_EQ(trailingGermanArticle("Hund der"), "der");
    EXPECT_EQ(trailingGermanArticle("Strickdecke mit einem die"), "die");
    EXPECT_EQ(trailingGermanArticle("Zander"), "");  // no blank before the letters
    EXPECT_EQ(trailingGermanArticle("der"), "");
    EXPECT_TRUE(isGermanArticleFormOf("Hund der", "Hund"));
    EXPECT_FALSE(isGermanArticleFormOf("Hund dem", "Hund"));
    EXPECT_FALSE(isGermanArticleFormOf("Hunde der", "Hund"));
    EXPECT_FALSE(isGermanArticleFormOf("Hund der", "Hunde"));
}

TEST(GermanArticles, JoinOnlyAFormFollowedByItsNoun) {
    EXPECT_EQ(joinGermanArticles({"hund der", "hund", "Köter"}), (Meanings{"der Hund", "Köter"}));
    // A form before another word stays as it is, last or not.
    EXPECT_EQ(joinGermanArticles({"Hund", "Katze die"}), (Meanings{"Hund", "Katze die"}));
    EXPECT_EQ(joinGermanArticles({"Katze die", "Hund"}), (Meanings{"Katze die", "Hund"}));
    EXPECT_EQ(joinGermanArticles({" der", ""}), (Meanings{"der "}));
    // A lone article last pairs with the nothing after it and leaves.
    EXPECT_EQ(joinGermanArticles({"Hund", " der"}), (Meanings{"Hund"}));
    EXPECT_EQ(joinGermanArticles({"A das", "A", "B der", "B"}), (Meanings{"das A", "der B"}));
}

}  // namespace
}  // namespace lexavo
