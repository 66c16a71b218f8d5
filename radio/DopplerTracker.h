#pragma once
// Doppler tracking: the working satellite's range rate and its transponder entry become the
// receive frequency D and the transmit frequency U once per tick; the operator's corrections
// are applied, the dial is read back so the radio's own knob can tune, and new frequencies
// go out when the send target has moved by at least the interval.
//
// Responsibilities: the tuning state, the shifts, the correction modes, the send routine and
// its threshold, the frequency window's texts, CAT on/off, transmit/receive, closing.
// Collaborations: a RadioCommandSet (the family's bytes) over a CatLink; the transponder
// selection; the caller's tick (it passes the range rate and calls RadioStep).
#include <QString>
#include <functional>
#include <memory>

#include "radio/CatLink.h"
#include "radio/RadioCommandSet.h"
#include "radio/SecondRadio.h"
#include "radio/ToneCommands.h"
#include "radio/TransponderSelection.h"
#include "radio/TuningState.h"

namespace orbivox {

// The speed of light as the tracking has always used it (km/s).
inline constexpr double kDopplerLightSpeed = 299792.486;

// dD = v f / c and dU = - v f / c, rounded to 0.001 kHz (halves to even).
double DownlinkShiftKHz(double closingSpeedKmS, double downlinkKHz);
double UplinkShiftKHz(double closingSpeedKmS, double uplinkKHz);

// A frequency typed for manual input: 144000-146000, 430000-440000 or 1260000-1300000 kHz.
bool ValidManualFrequency(double kHz);

struct DopplerOptions {
    bool uplinkEnabled = true;  // DivOptions.SQF line 4
    bool secondRadio = false;
    char decimalSeparator = '.';
};

class DopplerTracker {
public:
    DopplerTracker(CatLink& link, std::unique_ptr<RadioCommandSet> commands,
                   DopplerOptions options);

    TuningState& Tuning() { return tuning_; }
    const TuningState& Tuning() const { return tuning_; }
    const SelectedTransponder& Transponder() const { return transponder_; }
    RadioCommandSet* Commands() const { return commands_.get(); }
    // The automatic RX/TX exchange puts another radio on port 1: its command set takes over.
    void SetCommands(std::unique_ptr<RadioCommandSet> commands) { commands_ = std::move(commands); }
    CatLink& Link() { return link_; }

    // The operator chose a working satellite: VFO offset and receive correction back to 0.
    void WorkingSatelliteChosen();
    // After the entry selection of a satellite change: VFO mode from the downlink mode, the
    // tick stages, dial flag and send count cleared, the family's set-up for the entry.
    void SatelliteChanged(int setIndex, const SelectedTransponder& selected);

    // Every tick, for the working satellite: shifts, D and U, the frequency window.
    void ComputeDoppler(double rangeRateKmS);
    // Every tick with CAT control: the mode set-up when due, readback, send.
    void RadioStep();
    // The send routine (`Set frequencies`), with the threshold.
    void SendFrequencies();

    // Operator actions.
    void SetVfoMode(bool on);
    // A VFO stepper: false (nothing done) while CAT is off.
    bool VfoStep(int hertz);
    // Timer2 fired after a VFO step: the next tick sends both frequencies.
    void VfoStepSettled() { tuning_.lastSentTarget = 0; }
    // The interval steppers (FM or SSB), +-10 or +-100 Hz; the changed one takes effect.
    void StepInterval(bool ssb, int hertz);
    // The receive-correction steppers, only with VFO mode and CAT on. True when the
    // downlink was re-sent at once (a one-VFO radio): the caller then holds the tick as after a
    // VFO step.
    bool StepReceiveCorrection(int hertz);
    // The uplink-calibration steppers: the working satellite's calibration for this run.
    void StepCalibration(int hertz);
    // "Correct Actual Deviation": the VFO offset folded into the uplink calibration. The
    // refusal's text, or empty.
    QString CorrectActualDeviation();
    // lblCW: "CW+" tunes both links in CW, "CW-" restores the entry's modes.
    bool CwSwitchEnabled() const;
    void SetCwSwitch(bool on);
    void ManualInput(double receiveKHz, double transmitKHz);
    // After the frequency store: the entry's new frequencies with VFO offset and receive
    // correction back to 0; after the calibration store: the new uplink, calibration 0.
    void FrequenciesStored(double downlinkKHz, double uplinkKHz);
    void CalibrationStored(double uplinkKHz);
    // lblCat: the message to show when CAT was disabled by a failed read, else empty.
    QString CatClicked();
    void CatOn();
    // "C+" at start, radio 1's port just opened: the family's CAT-on sequence, so the radio
    // listens (and splits) before its first frequency. The satellite re-selection follows
    // when the working satellite is set up.
    void CatOnAtStart();
    void CatOff();
    // The Esc key: a radio that can lose track of its VFO is put back in step (CAT off,
    // the radio's own step, CAT on); nothing for the others or with CAT off.
    void ResynchroniseVfos();
    void SatelliteModeOff();
    void TransmitReceive(bool transmit);
    bool Transmitting() const { return transmitting_; }
    // Closing: radio 2 to receive, the tone off, the family's close commands and CAT off
    // (nothing after a failed read); in KCT mode "RaClose" while CAT is on.
    void Close(bool windowClosed);

    // The frequency window and labels.
    const QString& FrequencyLine() const { return frequencyLine_; }
    const QString& ShiftLine() const { return shiftLine_; }
    // The Mode dialog's display option 0 blanks the second line until the next drawing.
    void BlankShiftLine() { shiftLine_ = QString(26, ' '); }
    QString CorrectionStatus() const;
    QString CatLabel() const { return tuning_.catOn ? QStringLiteral("C+") : QStringLiteral("C-"); }
    QString VfoLabel() const {
        return tuning_.vfoMode ? QStringLiteral("V+") : QStringLiteral("V-");
    }

    // A configured radio 2 (it takes the uplink, its mode, its transmit check and the
    // transmit switch) and the tone switch; the caller owns both, either may be null.
    SecondRadio* radio2 = nullptr;
    ToneSwitch* tone = nullptr;
    // Set by the entry selection when the satellite needs a tone: the first uplink switches
    // it on.
    bool tonePending = false;
    // Told of every send of the send routine: the radio frequencies it sent (after the radio
    // offsets), the uplink 0 when none went out.
    std::function<void(double downlinkKHz, double uplinkKHz)> onFrequenciesSent;

private:
    RadioContext Context();
    void RunModeSetup();
    // The family's mode set-up, and the tone set-up where the family ends it with one.
    void ModeSetup(RadioContext& context);
    void ApplyCorrections();
    void DrawWindow();
    void RadioOffsets(double& downlink, double& uplink) const;

    CatLink& link_;
    std::unique_ptr<RadioCommandSet> commands_;
    DopplerOptions options_;
    TuningState tuning_;
    SelectedTransponder transponder_;
    bool transmitting_ = false;
    QString frequencyLine_ = QString(26, ' ');
    QString shiftLine_ = QString(25, ' ');
};

}  // namespace orbivox
