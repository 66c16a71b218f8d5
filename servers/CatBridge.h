#pragma once
// The CAT server's topic "CatServConv": the radio macros Orbivox32 sends in KCT mode,
// turned into commands for Hamlib's rigctld, so every radio Hamlib knows can be tuned.
//
//   "ClientOn", "RaOpen"   connect; split on ("S 1 VFOB"), or satellite mode in the
//                          sub-VFO style ("U SATMODE 1")
//   "SF" D [" " U]         "F <Hz>"; with U given and not 0 "I <Hz>" (sub-VFO style:
//                          "V Sub", "F <Hz>", "V Main")
//   "SM" down " " up       "M <mode> 0", "X <mode> 0" (sub-VFO style: the uplink mode
//                          on the sub VFO as its frequency)
//   "RaClose"              split off ("S 0 VFOA"; sub-VFO style "U SATMODE 0")
//   "Close"                disconnect
//
// Frequencies come in kHz with "." or "," as the decimal separator and go out in whole Hz.
// Every command is sent with the extended answer ("+") and must be answered "RPRT 0";
// every macro and command is logged. After rigctld was restarted the next command
// connects again and the split (or satellite mode) and the modes are set up once more.
#include <QString>
#include <optional>

#include "net/HamlibModes.h"
#include "servers/HamlibLink.h"
#include "servers/RotorServerFrame.h"

namespace orbivox::servers {

// How the radio takes its uplink: a split transmit VFO, or the sub VFO of a satellite mode.
enum class CatStyle { Split, SubVfo };

struct CatSettings {
    DaemonAddress address{QStringLiteral("127.0.0.1"), 4532};
    CatStyle style = CatStyle::Split;
};

// HamlibCat.SQF: 1 host, 2 port, 3 style ("split" or "sub"). A missing file gives the
// defaults; a bad line is logged and its default kept.
CatSettings ReadCatSettings(const QString& path, ServerLog& log);

// A macro's kHz number ("0145900.000", "145900,000") in whole Hz, rounded; nothing for
// anything but a number.
std::optional<long long> KiloHertzToHertz(const QString& text);

class CatBridge : public TopicHandler {
public:
    CatBridge(const CatSettings& settings, ServerLog& log);
    void Execute(const QString& text) override;

private:
    void Open();
    void SetFrequencies(const QString& numbers);
    void SetModes(const QString& words);
    void SendModes();
    void SendSetup();
    bool Send(const QString& command);
    // Sends to the sub VFO in the sub-VFO style: "V Sub", the command, "V Main".
    void SendOnUplinkVfo(const QString& command);

    CatStyle style_;
    ServerLog& log_;
    HamlibLink link_;
    bool open_ = false;  // split or satellite mode wanted (after ClientOn/RaOpen)
    QString downlinkMode_;
    QString uplinkMode_;
};

}  // namespace orbivox::servers
