// Queueing the announcements and making the engine on first use.
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
    if (engine_ && !silent_) {
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
    if (engine_ && !silent_) {
        settings_.voice = engine_->VoiceIdx();
        settings_.pitch = engine_->Pitch();
        settings_.volume = engine_->Volume();
        settings_.rate = engine_->Rate();
    }
    WriteSpeechSettings(talkFile, settings_);
}

void SpeechAnnouncer::Say(const QString& text) {
    if (!EnsureEngine()) {
        return;
    }
    queue_.push_back(text);
    if (!speaking_) {
        SpeakNext();
    }
}

QStringList SpeechAnnouncer::VoiceNames() {
    return EnsureEngine() ? engine_->VoiceNames() : QStringList();
}

bool SpeechAnnouncer::EnsureEngine() {
    if (engine_ || silent_) {
        return !silent_;
    }
    if (factory_) {
        engine_ = factory_();
    }
    if (!engine_ || !engine_->Usable() || engine_->VoiceNames().isEmpty()) {
        silent_ = true;
        if (statusLine_) {
            statusLine_(kNoSpeechText);
        }
        return false;
    }
    engine_->SetFinishedHandler([this] {
        speaking_ = false;
        SpeakNext();
    });
    Apply();
    return true;
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
