// Queueing the announcements and making the engine without waiting for it.
#include "links/SpeechAnnouncer.h"

#include "settings/SqfFile.h"

namespace orbivox {

QString AnnouncementText(const QString& name) {
    QString spoken = name;
    if (spoken.size() < 6 && !spoken.isEmpty()) {
        spoken.insert(1, QLatin1Char(' '));
    }
    return QStringLiteral("Satellite ") + spoken + QStringLiteral(" rising!");
}

SpeechAnnouncer::SpeechAnnouncer(SpeechEngineFactory factory,
                                 std::function<void(const QString&)> statusLine)
    : factory_(std::move(factory)), statusLine_(std::move(statusLine)) {}

SpeechAnnouncer::~SpeechAnnouncer() {
    if (engine_) {
        engine_->SetFinishedHandler({});
    }
}

void SpeechAnnouncer::SetSettings(const SpeechSettings& settings) {
    settings_ = settings;
    if (state_ == State::Ready) {
        Apply();
    }
}

void SpeechAnnouncer::Load(const QString& talkFile) {
    try {
        SetSettings(ReadSpeechSettings(talkFile));
    } catch (const SqfError&) {
        // No stored voice yet: the defaults stand.
    }
}

void SpeechAnnouncer::Save(const QString& talkFile) {
    if (state_ == State::Ready) {
        settings_.voice = engine_->VoiceIdx();
        settings_.pitch = engine_->Pitch();
        settings_.volume = engine_->Volume();
        settings_.rate = engine_->Rate();
    }
    WriteSpeechSettings(talkFile, settings_);
}

void SpeechAnnouncer::Prepare() {
    if (state_ != State::NotMade) {
        return;
    }
    state_ = State::Preparing;
    if (factory_) {
        engine_ = factory_();
    }
    if (!engine_) {
        EngineReady();
        return;
    }
    engine_->WhenReady([this] { EngineReady(); });
}

void SpeechAnnouncer::Say(const QString& text) {
    if (state_ == State::Silent) {
        return;
    }
    queue_.push_back(text);
    Prepare();
    if (state_ == State::Ready && !speaking_) {
        SpeakNext();
    }
}

QStringList SpeechAnnouncer::VoiceNames() {
    Prepare();
    return state_ == State::Ready ? engine_->VoiceNames() : QStringList();
}

void SpeechAnnouncer::EngineReady() {
    if (!engine_ || !engine_->Usable() || engine_->VoiceNames().isEmpty()) {
        state_ = State::Silent;
        queue_.clear();
        if (statusLine_) {
            statusLine_(kNoSpeechText);
        }
        return;
    }
    state_ = State::Ready;
    engine_->SetFinishedHandler([this] {
        speaking_ = false;
        SpeakNext();
    });
    Apply();
    SpeakNext();  // what was said while the engine looked for its voices
}

void SpeechAnnouncer::Apply() {
    // A stored voice the engine no longer has falls back to its first.
    const int voices = static_cast<int>(engine_->VoiceNames().size());
    engine_->SetVoiceIdx(settings_.voice >= 0 && settings_.voice < voices ? settings_.voice : 0);
    engine_->SetPitch(settings_.pitch);
    engine_->SetVolume(settings_.volume);
    engine_->SetRate(settings_.rate);
}

void SpeechAnnouncer::SpeakNext() {
    if (queue_.empty() || !engine_) {
        return;
    }
    const QString text = queue_.front();
    queue_.pop_front();
    speaking_ = true;
    engine_->Speak(text);
}

}  // namespace orbivox
