#pragma once
// The speech engine on QTextToSpeech (speech-dispatcher on Linux). Made by the announcer
// only when something is first to be said, so a run without announcements never starts a
// speech service.
#include <memory>

#include "links/SpeechEngine.h"

namespace orbivox {

// The engine, or one that is not Usable() when the platform has no speech at all. Its voices
// come a moment later (WhenReady), or not at all when the service has not answered within
// `readyWithinMs`.
std::unique_ptr<SpeechEngine> MakeQtSpeechEngine(int readyWithinMs = 3000);

}  // namespace orbivox
