#pragma once
// The rising announcements: "Satellite <name> rising!" through the speech engine, queued so
// that several satellites rising on one tick are all heard, one after the other. The engine
// is made at the start of a run with announcements on (Prepare), or when something is first
// to be said or its voices are asked for; nothing waits for it: what is said before it has
// its voices is queued and said once it has them. Without an engine or a voice the program
// carries on silently and says so once on the status bar.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

#include "links/SpeechEngine.h"
#include "links/SpeechSettings.h"

namespace orbivox {

// What is said when `name` rises. Short names get a blank after their first character so
// the engine spells them rather than reading a word.
QString AnnouncementText(const QString& name);

// The status-bar line for a station without speech.
inline const QString kNoSpeechText =
    QStringLiteral("No speech engine or voice: announcements are silent");

class SpeechAnnouncer {
public:
    SpeechAnnouncer(SpeechEngineFactory factory, std::function<void(const QString&)> statusLine);
    ~SpeechAnnouncer();

    // Applied to the engine now when it exists, else when it is made.
    void SetSettings(const SpeechSettings& settings);
    const SpeechSettings& Settings() const { return settings_; }
    // Reads Talk.SQF and applies it; a missing or unreadable file keeps what was in force.
    void Load(const QString& talkFile);
    // The engine's voice, pitch, volume and rate written to Talk.SQF.
    void Save(const QString& talkFile);

    // Makes the engine, when not made yet, and lets it find its voices in the background.
    void Prepare();
    // Queues the announcement of `name` rising.
    void Announce(const QString& name) { Say(AnnouncementText(name)); }
    void Say(const QString& text);
    // The engine's voices, in its order; empty without an engine or while it looks for them.
    QStringList VoiceNames();
    // Texts waiting behind the one being spoken (or for the engine's voices).
    int Waiting() const { return static_cast<int>(queue_.size()); }
    bool Silent() const { return state_ == State::Silent; }

private:
    enum class State {
        NotMade,
        Preparing,  // made, its voices not there yet
        Ready,
        Silent,  // the engine could not be made or has no voice
    };
    void EngineReady();
    void Apply();
    void SpeakNext();

    SpeechEngineFactory factory_;
    std::function<void(const QString&)> statusLine_;
    std::unique_ptr<SpeechEngine> engine_;
    SpeechSettings settings_;
    State state_ = State::NotMade;
    bool speaking_ = false;
    std::deque<QString> queue_;
};

}  // namespace orbivox
