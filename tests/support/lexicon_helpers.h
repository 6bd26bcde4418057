#pragma once
// Small builders and readers of the compiler's lexicon for its tests.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexicon.h"
#include "status.h"

namespace lexavo::mkdict::testing {

inline Sense sense(const std::string& text, const std::string& pos = {}) {
    Sense s;
    s.text = text;
    s.pos = pos;
    return s;
}

// The texts of a headword's senses in order; none for a missing headword.
inline std::vector<std::string> textsOf(const Headword* h) {
    std::vector<std::string> texts;
    if (h != nullptr)
        for (const Sense& s : h->senses) texts.push_back(s.text);
    return texts;
}

// A step's outcome for EXPECT_TRUE / ASSERT_TRUE, with its message when it failed.
inline ::testing::AssertionResult succeeded(const Status& status) {
    if (status.ok()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << status.message();
}

}  // namespace lexavo::mkdict::testing
