// Speech hooked into the tracking cycle.
#include "tracking/Announcements.h"

namespace orbivox {

void ConnectAnnouncements(TrackingEngine& engine, SpeechAnnouncer& announcer,
                          const QString& talkFile) {
    TrackingHooks& hooks = engine.Hooks();
    // With announcements on, the engine is made at the start and finds its voices while the
    // ticks go on; a rise before then is said once it has them.
    hooks.startAnnouncement = [&engine, &announcer, talkFile] {
        announcer.Load(talkFile);
        if (engine.Switches().announcements) {
            announcer.Prepare();
        }
    };
    hooks.announceRise = [&engine, &announcer](int setIndex) {
        announcer.Announce(QString::fromStdString(engine.Orbit().Sets()[setIndex].name));
    };
}

}  // namespace orbivox
