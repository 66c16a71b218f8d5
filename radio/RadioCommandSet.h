#pragma once
// A radio family's command set: the operations Doppler tracking calls by name, each family
// one module behind this interface with a capability record per model. Adding a family is
// its module plus one line in CommandSets.cpp.
//
// Responsibilities: turning frequencies, modes and switches into the family's bytes, the
// readback and the transmit check, in the order of bytes and CAT delays the radio expects.
// Collaborations: CatLink (the port and its waits), TuningState (read and updated),
// SelectedTransponder (the entry being worked).
#include <QString>
#include <functional>
#include <memory>

#include "radio/CatLink.h"
#include "radio/IcomFiles.h"
#include "radio/KenwoodFiles.h"
#include "radio/RadioFamily.h"
#include "radio/ToneCommands.h"
#include "radio/TransponderSelection.h"
#include "radio/TuningState.h"
#include "radio/YaesuFiles.h"

namespace orbivox {

// What a model can and must do; one record per model, in its family's module.
struct RadioModel {
    QString name;                    // "FT-847"
    bool oneVfoInUse = false;        // FT-817 type: the uplink by toggling VFOs
    bool readsBack = true;           // false: sent without readback (FT-736R)
    bool fixedLine = false;          // 4800 baud, 2 stop bits whatever the file says
    bool uplinkReadback = false;     // reads the satellite transmit frequency back (FT-847)
    bool satelliteModeBand = false;  // main/sub band commands (FT-736R, FT-847)
    int satelliteModeOnOpcode = -1;  // -1: none
};

// What a command set works with on each call.
struct RadioContext {
    CatLink& link;
    TuningState& tuning;
    const SelectedTransponder& transponder;
    bool uplinkEnabled = true;  // DivOptions.SQF line 4
    bool secondRadio = false;   // radio 2 configured: the uplink goes there
};

// The files a command set is made from.
struct CommandSetSettings {
    YaesuParameters yaesu;
    YaesuIIParameters yaesuII;
    KenwoodParameters kenwood;
    IcomParameters icom;
    IcomModel icomModel;
    bool satelliteModeOption = false;  // SatStart.SQF line 16
    bool secondRadio = false;
};

class RadioCommandSet {
public:
    virtual ~RadioCommandSet() = default;
    virtual RadioFamily Family() const = 0;
    virtual const RadioModel& Model() const = 0;
    // "0000000.00" width of the KCT macro numbers ("000000.000" for YaesuII).
    virtual const char* KctPattern() const { return "0000000.000"; }

    // `Set frequencies`: the transmit check (true: the radio transmits, nothing is sent).
    virtual bool Transmitting(RadioContext& context) = 0;
    // `Set frequencies`: downlink and (when uplinkKHz != 0) uplink, radio offsets already
    // taken off, with the family's waits; records the last sent texts.
    virtual void SetFrequencies(RadioContext& context, double downlinkKHz, double uplinkKHz) = 0;
    // One frequency at once, for the VFO and correction steppers.
    virtual void SendDownlink(RadioContext& context, double downlinkKHz) = 0;
    virtual void SendUplink(RadioContext& context, double uplinkKHz) = 0;
    // `Read dial`: asks for the receive frequency; sets or clears tuning.dialMoved.
    virtual void ReadDial(RadioContext& context) = 0;
    // `Mode set-up`, once after each entry selection.
    virtual void ModeSetup(RadioContext& context) = 0;
    virtual void CatOn(RadioContext& context) = 0;
    virtual void CatOff(RadioContext& context) = 0;
    virtual void Transmit(RadioContext& context) = 0;
    virtual void Receive(RadioContext& context) = 0;
    virtual void SatelliteModeOff(RadioContext& context) = 0;
    // `Close commands`: the family's part of closing (before `CAT off`).
    virtual void CloseCommands(RadioContext& context, bool windowClosed) = 0;
    // At each satellite change (the FT-817 type's N, the band set-up of other families).
    virtual void SatelliteChanged(RadioContext& context) { (void)context; }
    // Whether the dial adoption subtracts the receive correction.
    virtual bool DialSubtractsReceiveCorrection() const = 0;
    // The port has just opened: the family's first commands.
    virtual void PortOpened(RadioContext& context) { (void)context; }
    // Where this radio's tone commands go, and sending them (each with a CAT delay, with
    // whatever VFO selection the radio needs around them).
    virtual ToneTarget Tone() const { return {Family(), Model().name, 0}; }
    virtual void SendTone(CatLink& link, const QList<QByteArray>& commands) {
        for (const QByteArray& command : commands) {
            link.Send(command);
            link.Delay();
        }
    }
};

// The command set of radio 1's family; null for a family whose module is not built yet.
std::unique_ptr<RadioCommandSet> MakeCommandSet(RadioFamily family,
                                                const CommandSetSettings& settings);

// The line settings of a family's port: the parameter file's baud text, or 4800 baud and
// two stop bits for the models that need them.
LineSettings LineSettingsFor(RadioFamily family, const CommandSetSettings& settings);

}  // namespace orbivox
