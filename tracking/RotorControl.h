#pragma once
// The rotor in a run: positioning, the rotor interface and the two rotor dialogs' logic,
// joined to the tracking cycle through its hooks. The desktop program and `orbivox track`
// each make one after the settings are loaded.
//
// Responsibilities: filling the rotor hooks (end-of-tick update, working change, the data
// item's flip state, the pass-geometry decision after every completed pass search, closing
// the server), starting the servers. Collaborations: TrackingSession (settings, engine),
// rotator/ (policy, interface, setup rules), links/ClientConversation.
#include <QString>
#include <functional>
#include <memory>

#include "links/ClientConversation.h"
#include "rotator/AntennaPositioning.h"
#include "rotator/ManualRotor.h"
#include "rotator/RotorInterface.h"
#include "rotator/RotorSetup.h"
#include "settings/Notifier.h"
#include "tracking/TrackingHooks.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

class RotorControl {
public:
    // `runtimeFolder`: where the server programs' sockets are. Takes the loaded settings;
    // throws SqfError when a file the Rotor Setup reads at creation cannot be read.
    RotorControl(TrackingSession& session, Notifier& notifier, ServerStarter& starter,
                 const QString& runtimeFolder);
    ~RotorControl();
    RotorControl(const RotorControl&) = delete;
    RotorControl& operator=(const RotorControl&) = delete;

    // Fills the engine's rotor hooks and the pass-geometry hook of its station view.
    void Attach();
    // Start-up's last step: the rotor server (launch, wait, link, "ClientOn"), then the
    // CAT server when the Radio Setup chose it.
    void StartServers();
    // QuitProgram's steps for the servers started here: the CAT server's and the rotor's.
    void FillQuitHooks(QuitHooks& hooks);
    // The run's conversations: the radio sends its CAT server macros on CatClientConv, and
    // ends that server with Interface().CloseCatServer().
    ClientConversations& Conversations() { return conversations_; }

    // Told of every set point that goes to the rotor server, as the texts sent.
    std::function<void(const QString& azimuth, const QString& elevation)> onSetPointSent;

    AntennaPositioning& Positioning() { return positioning_; }
    RotorInterface& Interface() { return interface_; }
    RotorSetup& Setup() { return setup_; }
    ManualRotor& Manual() { return manual_; }

private:
    TrackingSession& session_;
    ClientConversations conversations_;
    AntennaPositioning positioning_;
    RotorInterface interface_;
    RotorSetup setup_;
    ManualRotor manual_;
};

}  // namespace orbivox
