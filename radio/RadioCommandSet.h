#pragma once
// A radio family's command set: the operations Doppler tracking calls by name, each family
// one folder (radio/<family>/) behind this interface with a record per model. Adding a
// family is its folder plus one line in the registry (radio/RadioFamilies.cpp).
//
// Responsibilities: turning frequencies, modes and switches into the family's bytes, the
// readback and the transmit check, in the order of bytes and CAT delays the radio expects;
// as radio 2 (the uplink role, SecondRadio) the uplink, its mode and the transmit switch;
// the family's own steps (tones, VFO resynchronisation, band set-up, address pairs), each a
// virtual operation with a do-nothing default so that callers ask rather than cast.
// Collaborations: CatLink (the port and its waits), TuningState (read and updated),
// SelectedTransponder (the entry being worked).
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <type_traits>

#include "radio/CatLink.h"
#include "radio/RadioFamily.h"
#include "radio/RadioFiles.h"
#include "radio/ToneTable.h"
#include "radio/TransponderSelection.h"
#include "radio/TuningState.h"

namespace orbivox {

// What a model can and must do; one record per model, in its family's folder, written
// with designated initializers. The name is spelled there and nowhere else.
struct RadioModel {
    QString name = {};               // as the parameter file and the Radio Setup spell it
    bool oneVfoInUse = false;        // the uplink by toggling VFOs; loses track of its VFO
    bool readsBack = true;           // false: sent without readback
    bool fixedLine = false;          // 4800 baud, 2 stop bits whatever the file says
    bool uplinkReadback = false;     // reads the satellite transmit frequency back
    bool satelliteModeBand = false;  // main/sub band commands
    int satelliteModeOnOpcode = -1;  // -1: none
    bool bandSetup = false;          // as radio 2: its main band is checked and exchanged
    bool radio2StartsWithCatOff = false;  // as radio 1: a classic radio 2 starts with CAT off
    // The finest step the radio keeps a set frequency in: it stores what it is sent rounded
    // or truncated to this, and answers the readback with that.
    int tuningStepHz = 1;
};

// The common part of a family's model record (a RadioModel, or a record holding one as
// `radio`), and the record of a name in a family's list (null: none).
template <class Record>
const RadioModel& CommonRecord(const Record& record) {
    if constexpr (std::is_same_v<Record, RadioModel>) {
        return record;
    } else {
        return record.radio;
    }
}
template <class Record>
const Record* FindModelRecord(const QList<Record>& records, const QString& name) {
    for (const Record& record : records) {
        if (CommonRecord(record).name == name) {
            return &record;
        }
    }
    return nullptr;
}

// What a command set works with on each call.
struct RadioContext {
    CatLink& link;
    TuningState& tuning;
    const SelectedTransponder& transponder;
    bool uplinkEnabled = true;  // DivOptions.SQF line 4
    bool secondRadio = false;   // radio 2 configured: the uplink goes there
};

// What a command set is made from.
struct CommandSetSettings {
    RadioFiles files;                  // radio 1's files, or radio 2's in the uplink role
    bool satelliteModeOption = false;  // SatStart.SQF line 16
    bool secondRadio = false;          // radio 1 beside a radio 2 that takes the uplink
    bool uplinkRole = false;           // this is radio 2 (SecondRadio); files are radio 2's
    const RadioModel* radio1Model = nullptr;  // in the uplink role: radio 1's model, if any
};

// When radio 2's band set-up runs, as radio 1's family asks for it.
enum class Radio2BandCheck { Never, AtEntrySelection, EveryTick };

class RadioCommandSet {
public:
    virtual ~RadioCommandSet() = default;
    virtual RadioFamily Family() const = 0;
    virtual const RadioModel& Model() const = 0;
    // "0000000.00" width of the KCT macro numbers.
    virtual const char* KctPattern() const { return "0000000.000"; }

    // `Set frequencies`: the transmit check (true: the radio transmits, nothing is sent).
    virtual bool Transmitting(RadioContext& context) = 0;
    // `Set frequencies`: downlink and (when uplinkKHz != 0) uplink, radio offsets already
    // taken off, with the family's waits; records the last sent texts.
    virtual void SetFrequencies(RadioContext& context, double downlinkKHz, double uplinkKHz) = 0;
    // One frequency at once, for the VFO and correction steppers.
    virtual void SendDownlink(RadioContext& context, double downlinkKHz) = 0;
    virtual void SendUplink(RadioContext& context, double uplinkKHz) = 0;
    // Whether the VFO stepper sends the uplink after the downlink (on a V/U pair).
    virtual bool VfoStepSendsUplink() const { return false; }
    // `Read dial`: asks for the receive frequency; sets or clears tuning.dialMoved.
    virtual void ReadDial(RadioContext& context) = 0;
    // `Mode set-up`, once after each entry selection.
    virtual void ModeSetup(RadioContext& context) = 0;
    virtual void CatOn(RadioContext& context) = 0;
    // CAT on at start, after PortOpened: the CAT-on sequence without what PortOpened sent.
    virtual void CatOnAtStart(RadioContext& context) { CatOn(context); }
    virtual void CatOff(RadioContext& context) = 0;
    virtual void Transmit(RadioContext& context) = 0;
    virtual void Receive(RadioContext& context) = 0;
    virtual void SatelliteModeOff(RadioContext& context) = 0;
    // CAT delays after the satellite mode is switched off.
    virtual int DelaysAfterSatelliteModeOff() const { return 2; }
    // `Close commands`: the family's part of closing (before `CAT off`).
    virtual void CloseCommands(RadioContext& context, bool windowClosed) = 0;
    // At each satellite change (the every-N-th uplink, the band set-up of some families).
    virtual void SatelliteChanged(RadioContext& context) { (void)context; }
    // Whether the dial adoption subtracts the receive correction.
    virtual bool DialSubtractsReceiveCorrection() const = 0;
    // The port has just opened: the family's first commands.
    virtual void PortOpened(RadioContext& context) { (void)context; }

    // The Esc key: a radio that can lose track of its VFO is put back in step (between
    // CAT off and CAT on, which the tracker sends around it).
    virtual bool ResynchronisesVfos() const { return false; }
    virtual void ResynchroniseVfos(RadioContext& context) { (void)context; }
    // Two radios on one port with a receive and a transmit address: the pair to use for a
    // band pair, and the Mode dialog's choice. False where the radio has no such pair.
    virtual bool BandPairChanged(BandPair next) {
        (void)next;
        return false;
    }
    virtual bool UseAddressPair(int receive, int transmit) {
        (void)receive, (void)transmit;
        return false;
    }
    // As radio 1: when radio 2's band set-up runs, and whether an entry selection switches
    // the tone off.
    virtual Radio2BandCheck Radio2BandCheckTime() const { return Radio2BandCheck::Never; }
    virtual bool ToneOffAtEntrySelection() const { return false; }
    // Whether the mode set-up ends with the tone set-up (the radio's own tone, no radio 2).
    virtual bool ToneInModeSetup() const { return false; }

    // The subaudible tone: the commands that switch it off, or set `entry`'s tone and switch
    // it on, in order. Nothing (and `refusal` says why) when the entry's value is out of
    // range for this radio; an empty list for a radio without tone commands.
    virtual std::optional<QList<QByteArray>> ToneCommands(bool on, const ToneEntry& entry,
                                                          QString* refusal) const {
        (void)on, (void)entry, (void)refusal;
        return QList<QByteArray>{};
    }
    // What a click of the tone switch to off sends after the tone-off commands.
    virtual QList<QByteArray> ToneClickedOffCommands() const { return {}; }
    // Sending tone commands, each with a CAT delay, with whatever VFO selection the radio
    // needs around them.
    virtual void SendTone(CatLink& link, const QList<QByteArray>& commands) {
        link.SendEach(commands);
    }

    // As radio 2, which transmits the uplink while radio 1 receives (a command set made with
    // `uplinkRole`). Writes go through `link`, which reports those made without a port.
    virtual void UplinkPortOpened(CatLink& link) { (void)link; }
    virtual void UplinkFrequency(CatLink& link, double uplinkKHz) = 0;
    // Before each send: true while radio 2 transmits. `lastSentTarget` is cleared where the
    // radio's check asks for a full resend.
    virtual bool UplinkTransmitting(CatLink& link, bool catOn, double& lastSentTarget) {
        (void)link, (void)catOn, (void)lastSentTarget;
        return false;
    }
    // The uplink mode, at radio 1's mode set-up.
    virtual void UplinkMode(CatLink& link, const QString& mode, bool dialMoved) = 0;
    virtual void UplinkTransmitReceive(CatLink& link, bool transmit) = 0;
    // The main band on the downlink's band, for a model with `bandSetup`.
    virtual void UplinkBandSetup(CatLink& link, double downlinkKHz, double downlinkOffsetKHz) {
        (void)link, (void)downlinkKHz, (void)downlinkOffsetKHz;
    }
};

}  // namespace orbivox
