#pragma once
// The second radio: it transmits the uplink while radio 1 receives (and is read back). It is
// its family's command set in the uplink role, made from radio 2's own parameter files,
// apart from radio 1's even when both radios are of one family; this class only adds what
// every family shares (the message for a missing port, the delay after the transmit
// switch). Also here: the roles of the two radios for a band pair (the automatic RX/TX
// exchange) and the antenna line.
//
// Collaborations: its own CatLink; the family's RadioCommandSet; DopplerTracker calls it.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "radio/CatLink.h"
#include "radio/RadioCommandSet.h"
#include "radio/RadioFamily.h"
#include "radio/RadioFiles.h"
#include "radio/SerialPort.h"
#include "radio/TransponderSelection.h"

namespace orbivox {

// Radio 2's family and files (Radio2\*.SQF).
struct SecondRadioSetup {
    RadioFamily family = RadioFamily::None;
    RadioFiles files;
    const RadioModel* radio1Model = nullptr;  // radio 1's model: its first commands may differ
};

// Said when radio 2 cannot be written to.
inline const QString kNoRadio2Port = QStringLiteral("No COM port opened for Radio 2!");

class SecondRadio {
public:
    SecondRadio(const SecondRadioSetup& setup, CatLink& link);
    ~SecondRadio();

    RadioFamily Family() const { return setup_.family; }
    CatLink& Link() { return link_; }
    bool HasPort() const { return link_.HasPort(); }
    // The family's command set in the uplink role (null for None); the tone switch asks it.
    RadioCommandSet* Commands() const { return commands_.get(); }

    // After the port opened: the family's first commands.
    void PortOpened();
    // The uplink, radio offset already taken off.
    void SendUplink(double uplinkKHz);
    // Before each send: true while radio 2 transmits (nothing is sent to either radio).
    // `lastSentTarget` is cleared where the family's check asks for a full resend.
    bool Transmitting(bool catOn, double& lastSentTarget);
    // The uplink mode, at the mode set-up of radio 1.
    void ModeSetup(const QString& uplinkMode, bool dialMoved);
    void TransmitReceive(bool transmit);
    // The main band on the downlink's band, for a model that needs it.
    void BandSetup(double downlinkKHz, double downlinkOffsetKHz);

    void SendTone(const QList<QByteArray>& commands);

    // A write that did not reach radio 2 (for the operator: kNoRadio2Port).
    std::function<void(const QString&)> onMessage;

private:
    SecondRadioSetup setup_;
    CatLink& link_;
    std::unique_ptr<RadioCommandSet> commands_;
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

// The antenna line (radio 2's DTR) for a band pair: set for all but "VU".
inline bool AntennaDtrFor(BandPair pair) {
    return pair != BandPair::VU;
}

}  // namespace orbivox
