#pragma once
// A speech engine that records what it is asked to say and finishes each text only when
// the test says so, as a real engine finishes some time later.
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>

#include "links/SpeechEngine.h"

namespace orbivox {

class RecordingSpeech : public SpeechEngine {
public:
    explicit RecordingSpeech(QStringList voices = {QStringLiteral("first"),
                                                   QStringLiteral("second")})
        : voices_(std::move(voices)) {}

    bool Usable() const override { return true; }
    QStringList VoiceNames() const override { return voices_; }
    int VoiceIdx() const override { return voice_; }
    void SetVoiceIdx(int index) override { voice_ = index; }
    void SetPitch(int pitch) override { pitch_ = pitch; }
    void SetVolume(int volume) override { volume_ = volume; }
    void SetRate(int rate) override { rate_ = rate; }
    int Pitch() const override { return pitch_; }
    int Volume() const override { return volume_; }
    int Rate() const override { return rate_; }
    void Speak(const QString& text) override { spoken << text; }
    // The engine is done with the text it was speaking.
    void FinishSpeaking() { Finished(); }
    // With readyLater the voices come only when the test says so, as a real engine's come a
    // moment after it is made.
    void WhenReady(std::function<void()> ready) override {
        if (readyLater) {
            ready_ = std::move(ready);
        } else {
            ready();
        }
    }
    void BecomeReady() {
        readyLater = false;
        if (ready_) {
            std::exchange(ready_, {})();
        }
    }

    QStringList spoken;
    bool readyLater = false;

private:
    std::function<void()> ready_;
    QStringList voices_;
    int voice_ = 0, pitch_ = 0, volume_ = 100, rate_ = 0;
};

// A factory that hands out one recording engine and keeps a pointer to it for the test.
struct RecordingSpeechFactory {
    RecordingSpeech* made = nullptr;
    int calls = 0;
    QStringList voices{QStringLiteral("first"), QStringLiteral("second")};
    bool readyLater = false;

    SpeechEngineFactory Factory() {
        return [this]() -> std::unique_ptr<SpeechEngine> {
            ++calls;
            auto engine = std::make_unique<RecordingSpeech>(voices);
            engine->readyLater = readyLater;
            made = engine.get();
            return engine;
        };
    }
};

}  // namespace orbivox
