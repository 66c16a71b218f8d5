// QTextToSpeech behind the speech seam: the dialog's integer scales mapped onto Qt's.
#include "links/QtSpeechEngine.h"

#include <QElapsedTimer>
#include <QTextToSpeech>
#include <QTimer>
#include <QVoice>
#include <cmath>
#include <vector>

namespace orbivox {
namespace {

class QtSpeechEngine : public SpeechEngine {
public:
    explicit QtSpeechEngine(int readyWithinMs) : readyWithinMs_(readyWithinMs) {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty()) {
            return;
        }
        // speech-dispatcher where it is installed, else what the platform offers first.
        const QString name = engines.contains(QStringLiteral("speechd")) ? QStringLiteral("speechd")
                                                                         : engines.first();
        tts_ = std::make_unique<QTextToSpeech>(name);
        QObject::connect(tts_.get(), &QTextToSpeech::stateChanged, [this](QTextToSpeech::State s) {
            if (speaking_ && (s == QTextToSpeech::Ready || s == QTextToSpeech::Error)) {
                speaking_ = false;
                Finished();
            } else if (s == QTextToSpeech::Speaking) {
                speaking_ = true;
            }
        });
    }

    bool Usable() const override { return tts_ && tts_->state() != QTextToSpeech::Error; }
    QStringList VoiceNames() const override {
        QStringList names;
        for (const QVoice& voice : voices_) {
            names << voice.name();
        }
        return names;
    }
    int VoiceIdx() const override {
        const QVoice current = tts_->voice();
        for (int i = 0; i < voices_.size(); ++i) {
            if (voices_[i].name() == current.name()) {
                return i;
            }
        }
        return 0;
    }
    void SetVoiceIdx(int index) override {
        if (index >= 0 && index < voices_.size()) {
            tts_->setVoice(voices_[index]);
        }
    }
    void SetPitch(int pitch) override { tts_->setPitch(pitch / 10.0); }
    void SetVolume(int volume) override { tts_->setVolume(volume / 100.0); }
    void SetRate(int rate) override { tts_->setRate(rate / 10.0); }
    int Pitch() const override { return static_cast<int>(std::lround(tts_->pitch() * 10)); }
    int Volume() const override { return static_cast<int>(std::lround(tts_->volume() * 100)); }
    int Rate() const override { return static_cast<int>(std::lround(tts_->rate() * 10)); }
    void Speak(const QString& text) override {
        if (!Usable()) {
            Finished();
            return;
        }
        speaking_ = true;
        tts_->say(text);
        // A service without a sound output never says it is done; the queue must not
        // wait for it for ever.
        const int said = ++spoken_;
        QTimer::singleShot(kGiveUpMs, tts_.get(), [this, said] {
            if (speaking_ && said == spoken_) {
                speaking_ = false;
                Finished();
            }
        });
    }

    // speech-dispatcher answers a moment after the connection is made: its voices are looked
    // for from the event loop every 50 ms until they are there, the engine fails or the time
    // is up.
    void WhenReady(std::function<void()> ready) override {
        if (!tts_ || voicesKnown_) {
            ready();
            return;
        }
        waiting_.push_back(std::move(ready));
        if (poll_.isActive()) {
            return;
        }
        sinceMade_.start();
        poll_.setInterval(kPollMs);
        QObject::connect(&poll_, &QTimer::timeout, [this] { LookForVoices(); });
        poll_.start();
        LookForVoices();
    }

private:
    void LookForVoices() {
        if (tts_->availableVoices().isEmpty() && tts_->state() != QTextToSpeech::Error &&
            sinceMade_.elapsed() < readyWithinMs_)
            return;
        poll_.stop();
        poll_.disconnect();
        voices_ = tts_->availableVoices();
        voicesKnown_ = true;
        std::vector<std::function<void()>> waiting;
        waiting.swap(waiting_);
        for (const auto& ready : waiting)
            ready();
    }

    static constexpr int kGiveUpMs = 20000;  // far longer than any announcement takes
    static constexpr int kPollMs = 50;

    int readyWithinMs_;
    QTimer poll_;
    QElapsedTimer sinceMade_;
    bool voicesKnown_ = false;
    std::vector<std::function<void()>> waiting_;
    std::unique_ptr<QTextToSpeech> tts_;
    QList<QVoice> voices_;
    bool speaking_ = false;
    int spoken_ = 0;
};

}  // namespace

std::unique_ptr<SpeechEngine> MakeQtSpeechEngine(int readyWithinMs) {
    return std::make_unique<QtSpeechEngine>(readyWithinMs);
}

}  // namespace orbivox
