#pragma once
// The text-to-speech seam: a voice list, the voice, pitch, volume and rate, and one text
// spoken at a time. The real engine sits on QTextToSpeech (links/QtSpeechEngine.h); tests
// record. The announcer (links/SpeechAnnouncer.h) queues the texts, because the engines we
// stand on cut off what they are saying when given the next text.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace orbivox {

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;

    // False when the engine cannot speak at all (no service, an engine error).
    virtual bool Usable() const = 0;
    virtual QStringList VoiceNames() const = 0;
    virtual int VoiceIdx() const = 0;
    virtual void SetVoiceIdx(int index) = 0;
    // Pitch and rate -10..10, volume 0..100, as the dialog and Talk.SQF count them.
    virtual void SetPitch(int pitch) = 0;
    virtual void SetVolume(int volume) = 0;
    virtual void SetRate(int rate) = 0;
    virtual int Pitch() const = 0;
    virtual int Volume() const = 0;
    virtual int Rate() const = 0;
    // Starts speaking `text`; the finished handler runs once it has been said (or given up).
    virtual void Speak(const QString& text) = 0;
    // Runs `ready` once the engine has its voices or has given up waiting for them (then it
    // is not Usable() or has none), from the event loop; never waits itself. An engine that
    // is ready when made runs it at once.
    virtual void WhenReady(std::function<void()> ready) { ready(); }
    void SetFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

protected:
    void Finished() {
        if (finished_) {
            finished_();
        }
    }

private:
    std::function<void()> finished_;
};

using SpeechEngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;

}  // namespace orbivox
