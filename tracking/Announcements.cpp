// Speech hooked into the tracking cycle.
#include "tracking/Announcements.h"

namespace orbivox {

void ConnectAnnouncements(TrackingEngine& engine, SpeechAnnouncer& announcer,
                          const QString& talkFile) {
    TrackingHooks& hooks = engine.Hooks();
    hooks.startAnnouncement = [&announcer, talkFile] { announcer.Load(talkFile); };
    hooks.announceRise = [&engine, &announcer](int setIndex) {
        announcer.Announce(QString::fromStdString(engine.Orbit().Sets()[setIndex].name));
    };
}

}  // namespace orbivox
