#pragma once
// Pronunciation of headwords with espeak-ng (Debian's libespeak-ng and its English,
// German and Czech voices). Speaking runs on a thread of its own, so that the window
// never waits for it; where no audio device exists nothing is spoken and nothing is
// reported. Qt-free.

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "dictionary/base_forms.h"

namespace lexavo {

class Pronunciation {
  public:
    Pronunciation() = default;
    ~Pronunciation();
    Pronunciation(const Pronunciation&) = delete;
    Pronunciation& operator=(const Pronunciation&) = delete;

    // Speaks text (UTF-8) in language on the audio device, after what is being spoken
    // now is cut short; returns at once. Nothing where no audio device exists or the
    // language has no voice.
    void speak(WordLanguage language, const std::string& utf8);

    // The samples (16-bit mono) and their rate that speaking text would play; empty
    // when the language has no voice. Waits for the synthesis.
    struct Samples {
        std::vector<int16_t> samples;
        int rate = 0;
    };
    static Samples synthesize(WordLanguage language, const std::string& utf8);

    // Whether the machine has a sound server or sound card to play on.
    static bool hasAudioDevice();

  private:
    std::thread speaker_;
};

}  // namespace lexavo
