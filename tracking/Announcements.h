#pragma once
// The tracking cycle's speech places: Talk.SQF applied and the engine prepared at the first
// tick, and a rising satellite announced by name.
#include <QString>

#include "links/SpeechAnnouncer.h"
#include "tracking/TrackingEngine.h"

namespace orbivox {

// Fills `startAnnouncement` and `announceRise`; the engine's announcements switch decides
// whether anything is said.
void ConnectAnnouncements(TrackingEngine& engine, SpeechAnnouncer& announcer,
                          const QString& talkFile);

}  // namespace orbivox
