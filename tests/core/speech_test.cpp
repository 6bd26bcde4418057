// Headwords spoken by espeak-ng: each language's voice gives real speech, and
// speaking where the machine has no audio device is silently nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "speech/pronunciation.h"

namespace lexavo {
namespace {

struct Spoken {
    WordLanguage language;
    const char* utf8;
};

class SpeechTest : public ::testing::TestWithParam<Spoken> {};

TEST_P(SpeechTest, GivesAtLeastAThirdOfASecondOfSpeech) {
    const Pronunciation::Samples got =
        Pronunciation::synthesize(GetParam().language, GetParam().utf8);
    ASSERT_GT(got.rate, 0) << "install espeak-ng-data";
    // Non-silent: 10 ms frames whose loudness (root mean square) is above a whisper.
    const size_t frame = static_cast<size_t>(got.rate) / 100;
    size_t voiced = 0;
    for (size_t at = 0; at + frame <= got.samples.size(); at += frame) {
        double energy = 0;
        for (size_t i = at; i < at + frame; ++i) energy += double(got.samples[i]) * got.samples[i];
        if (std::sqrt(energy / frame) > 100) voiced += frame;
    }
    EXPECT_GE(static_cast<double>(voiced) / got.rate, 0.3) << GetParam().utf8;
}

INSTANTIATE_TEST_SUITE_P(Headwords, SpeechTest,
                         ::testing::Values(Spoken{WordLanguage::kEnglish, "house"},
                                           Spoken{WordLanguage::kGerman, "Haus"},
                                           Spoken{WordLanguage::kCzech, "dům"},
                                           Spoken{WordLanguage::kCzech, "čtvrtek"}));

TEST(Speech, NothingForAnUnknownLanguageNorWithoutAnAudioDevice) {
    EXPECT_TRUE(Pronunciation::synthesize(WordLanguage::kNone, "house").samples.empty());
    if (Pronunciation::hasAudioDevice()) GTEST_SKIP() << "this machine can play sound";
    Pronunciation p;
    p.speak(WordLanguage::kEnglish, "house");  // returns at once, plays and prints nothing
}

}  // namespace
}  // namespace lexavo
