#include "speech/pronunciation.h"

#include <espeak-ng/speak_lib.h>

#include <cstdlib>
#include <filesystem>

namespace lexavo {

namespace {

// espeak-ng keeps one state per process: every use goes through this lock.
std::mutex& engineLock() {
    static std::mutex lock;
    return lock;
}

const char* voiceOf(WordLanguage language) {
    switch (language) {
        case WordLanguage::kEnglish:
            return "en";
        case WordLanguage::kGerman:
            return "de";
        case WordLanguage::kCzech:
            return "cs";
        default:
            return nullptr;
    }
}

// The mode the engine was started in, so that it is started again only for another,
// and the sample rate it gave.
int startedMode = -1;
int sampleRate = 0;

bool startEngine(espeak_AUDIO_OUTPUT mode) {
    if (startedMode == mode) return true;
    if (startedMode != -1) espeak_Terminate();
    startedMode = -1;
    sampleRate = espeak_Initialize(mode, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (sampleRate <= 0) return false;
    startedMode = mode;
    return true;
}

int collectSamples(short* wav, int count, espeak_EVENT* events) {
    auto* out = static_cast<std::vector<int16_t>*>(events->user_data);
    if (wav != nullptr && count > 0) out->insert(out->end(), wav, wav + count);
    return 0;
}

}  // namespace

Pronunciation::~Pronunciation() {
    if (speaker_.joinable()) {
        {
            const std::lock_guard<std::mutex> hold(engineLock());
            if (startedMode != -1) espeak_Cancel();
        }
        speaker_.join();
    }
}

bool Pronunciation::hasAudioDevice() {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (std::getenv("PULSE_SERVER") != nullptr) return true;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
        const fs::path dir(runtime);
        if (fs::exists(dir / "pulse" / "native", ec) || fs::exists(dir / "pipewire-0", ec))
            return true;
    }
    // A sound card of ALSA's: a playback device node.
    for (const auto& entry : fs::directory_iterator("/dev/snd", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("pcm", 0) == 0 && name.back() == 'p') return true;
    }
    return false;
}

void Pronunciation::speak(WordLanguage language, const std::string& utf8) {
    const char* voice = voiceOf(language);
    if (voice == nullptr || utf8.empty() || !hasAudioDevice()) return;
    if (speaker_.joinable()) {
        {
            const std::lock_guard<std::mutex> hold(engineLock());
            if (startedMode != -1) espeak_Cancel();
        }
        speaker_.join();
    }
    speaker_ = std::thread([voice, text = utf8] {
        const std::lock_guard<std::mutex> hold(engineLock());
        if (!startEngine(AUDIO_OUTPUT_SYNCH_PLAYBACK)) return;
        if (espeak_SetVoiceByName(voice) != EE_OK) return;
        espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     nullptr);
    });
}

Pronunciation::Samples Pronunciation::synthesize(WordLanguage language, const std::string& utf8) {
    Samples out;
    const char* voice = voiceOf(language);
    if (voice == nullptr) return out;
    const std::lock_guard<std::mutex> hold(engineLock());
    if (!startEngine(AUDIO_OUTPUT_SYNCHRONOUS)) return out;
    if (espeak_SetVoiceByName(voice) != EE_OK) return out;
    out.rate = sampleRate;
    espeak_SetSynthCallback(collectSamples);
    espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                 &out.samples);
    return out;
}

}  // namespace lexavo
