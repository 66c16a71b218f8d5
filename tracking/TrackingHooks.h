#pragma once
// The places in the tracking cycle where other subsystems do their part (the radios, the
// rotor, speech, the countdown window, the second observer). An empty hook is skipped.
#include <functional>
#include <string>

#include "links/DataItems.h"

namespace orbivox {

struct TrackingHooks {
    // TrackingTick
    std::function<void()> startAnnouncement;     // first tick: speech settings and greeting
    std::function<void()> openCountdownAtStart;  // second tick, when its option is set

    // TrackAll, the working satellite's step
    std::function<void()> checkEclipse;  // every tick with the sun display on
    std::function<void()> computeDoppler;
    // The data item's frequencies, modes and converter offsets (radio) and the flip and
    // overlap state (rotor); until they fill them, 0, no modes and the plain look angles.
    std::function<void(DataLineValues& values)> dataLineRadio;
    std::function<void(DataLineValues& values)> dataLineRotor;

    // TrackAll, every satellite after its evaluation
    std::function<void(int setIndex)> countdownCrossing;
    std::function<void(int setIndex)> announceRise;
    std::function<void()> radioStep;  // working satellite, not in preview (it reads CAT on)

    // After the loop
    std::function<void()> secondObserverReadout;
    std::function<void()> refreshCountdownWindow;  // refresh tick
    std::function<void()> rotorUpdate;
    std::function<void()> automaticChange;

    // Back to real time from Preview or MA: the countdown computed for the preview instant
    // is computed again for now.
    std::function<void()> returnedToRealTime;

    // ApplyWorkingChange
    std::function<void()> selectTransponder;  // the entry, the radios' band set-up, the tone
    std::function<void()> resetRotorCounter;
};

// QuitProgram's steps, in their order.
struct QuitHooks {
    std::function<bool()> radio1PortFailed;
    std::function<void()> releaseRadio2;
    std::function<void()> writeWindowPosition;  // "&Quit" only, not while switching slots
    std::function<void()> toneOff;              // port open and CAT on
    std::function<void()> sendCloseCommands;
    std::function<void()> catOff;                   // port open and CAT on
    std::function<void()> closeCatServer;           // "Close", close the link, wait a second
    std::function<void()> kenwoodSatelliteModeOff;  // "SA0010000;" without a CAT server
    std::function<void()> closeRotorServer;         // close, wait a second
};

template <typename Hook, typename... Args>
void Call(const Hook& hook, Args&&... args) {
    if (hook) {
        hook(std::forward<Args>(args)...);
    }
}

}  // namespace orbivox
