#pragma once
// The second radio: it transmits the uplink while radio 1 receives (and is read back). Its
// commands are built from its own parameter files, apart from radio 1's, even when both
// radios are of one family. Also here: the roles of the two radios for a band pair (the
// automatic RX/TX exchange, two Icom radios on one port) and the antenna line.
//
// Responsibilities: radio 2's first commands, uplink, mode, transmit check, transmit and
// receive, the IC-820H/821H band set-up, the tone target.
// Collaborations: its own CatLink; the families' frame encoders; DopplerTracker calls it.
#include <QByteArray>
#include <QString>
#include <functional>

#include "radio/CatLink.h"
#include "radio/IcomFiles.h"
#include "radio/KenwoodFiles.h"
#include "radio/RadioCommandSet.h"
#include "radio/RadioFamily.h"
#include "radio/SerialPort.h"
#include "radio/ToneCommands.h"
#include "radio/TransponderSelection.h"
#include "radio/YaesuFiles.h"

namespace orbivox {

// Radio 2's files (Radio2\*.SQF).
struct SecondRadioSetup {
    RadioFamily family = RadioFamily::None;
    YaesuParameters yaesu;
    YaesuIIParameters yaesuII;
    KenwoodParameters kenwood;
    QString icomModel = "IC-9700";
    SecondIcomParameters icom;
    bool radio1Ft736r = false;  // radio 1's CAT-off block then differs
};

// Said when radio 2 cannot be written to.
inline const QString kNoRadio2Port = QStringLiteral("No COM port opened for Radio 2!");

class SecondRadio {
public:
    SecondRadio(const SecondRadioSetup& setup, CatLink& link);

    RadioFamily Family() const { return setup_.family; }
    CatLink& Link() { return link_; }
    bool HasPort() const { return link_.HasPort(); }

    // After the port opened: the family's first commands.
    void PortOpened();
    // The uplink, radio offset already taken off.
    void SendUplink(double uplinkKHz);
    // Before each send: true while radio 2 transmits (nothing is sent to either radio).
    // `lastSentTarget` is cleared by the YaesuII check.
    bool Transmitting(bool catOn, double& lastSentTarget);
    // The uplink mode, at the mode set-up of radio 1.
    void ModeSetup(const QString& uplinkMode, bool dialMoved);
    void TransmitReceive(bool transmit);
    // The IC-820H/821H's main band on the downlink's band.
    void BandSetup(double downlinkKHz, double downlinkOffsetKHz);
    bool NeedsBandSetup() const;

    ToneTarget Tone() const;
    void SendTone(const QList<QByteArray>& commands);

    // A write that did not reach radio 2 (for the operator: kNoRadio2Port).
    std::function<void(const QString&)> onMessage;

private:
    void Send(const QByteArray& bytes);
    QByteArray IcomFrameFor(const QByteArray& body) const;

    SecondRadioSetup setup_;
    CatLink& link_;
    QByteArray lastYaesuBlock_;
    QByteArray icomModeBytes_ = QByteArray(1, '\x05');
    bool transmitting_ = false;
};

// The device and line settings of one radio, as the exchange moves them between ports.
struct RadioPortRole {
    QString device;
    LineSettings line;
    RadioFamily family = RadioFamily::None;
    bool rts = false, dtr = false;
};

// One radio's parameters in the other role, for the exchange: radio 1's files as a
// radio 2, and radio 2's files as a radio 1 (with radio 1's satellite-mode option).
SecondRadioSetup AsSecondRadio(RadioFamily family, const CommandSetSettings& radio1);
CommandSetSettings AsFirstRadio(const SecondRadioSetup& radio2, const CommandSetSettings& radio1);

// Which radio each port serves for a band pair: "VU" keeps the configured roles, "UV"
// exchanges them (device, family and lines; the baud rates go with the radios).
struct PortRoles {
    RadioPortRole port1, port2;
};
PortRoles RolesForBandPair(BandPair pair, const RadioPortRole& radio1, const RadioPortRole& radio2);

// Closes both ports and opens them for `roles` (device, line settings, RTS and DTR); the
// port that would not open is reported by its number (1 or 2) in `failed`.
bool ReopenPorts(const PortRoles& roles, SerialPort& port1, SerialPort& port2, int* failed);

// Whether the band pair change from `previous` to `next` exchanges the radios now: only
// when both radios are set and the option is on; a change to "VU" from the third tick on,
// a change to "UV" at once.
bool ExchangeDue(bool enabled, BandPair previous, BandPair next, int ticksSinceStart);

// Two Icom radios on one port: "UV" works with the receive and transmit addresses exchanged.
IcomAddressPair AddressPairForBandPair(BandPair pair, IcomAddressPair configured);

// The antenna line (radio 2's DTR) for a band pair: set for all but "VU".
inline bool AntennaDtrFor(BandPair pair) {
    return pair != BandPair::VU;
}

}  // namespace orbivox
