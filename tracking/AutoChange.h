#pragma once
// The automatic change of the working satellite by priority (switch "A", Prior.SQF): after
// each tick's loop the priority list decides whether another satellite should work.
#include <functional>
#include <vector>

#include "orbit/Priority.h"
#include "tracking/TrackingEngine.h"

namespace orbivox {

// Fills `automaticChange`. A change is applied at once and then reported to `changed`
// (the beep and the captions).
void ConnectAutomaticChange(TrackingEngine& engine, std::vector<orbit::PriorityEntry> entries,
                            std::function<void()> changed);

}  // namespace orbivox
