#pragma once
// The speech engine on QTextToSpeech (speech-dispatcher on Linux). Made by the announcer
// only when something is first to be said, so a run without announcements never starts a
// speech service.
#include <memory>

#include "links/SpeechEngine.h"

namespace orbivox {

// The engine, or one that is not Usable() when the platform has no speech at all. Waits
// up to `readyWithinMs` for the service to answer.
std::unique_ptr<SpeechEngine> MakeQtSpeechEngine(int readyWithinMs = 3000);

}  // namespace orbivox
