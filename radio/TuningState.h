#pragma once
// The tuning state of Doppler tracking: shifts, the radio frequencies D and U, the
// operator's corrections, the send threshold and what was last sent. One instance lives
// for the run; the radio families read and update it through RadioContext.
#include <QMap>
#include <QString>

#include "radio/TransponderSelection.h"
#include "radio/TuningFiles.h"

namespace orbivox {

struct TuningState {
    double closingSpeedKmS = 0;  // the range rate with its sign turned
    double downlinkShift = 0, previousDownlinkShift = 0, downlinkShiftChange = 0;  // dD, kHz
    double uplinkShift = 0;                                                        // dU, kHz
    double receive = 0;                                                            // D, kHz
    double transmit = 0;  // U, kHz; 0 when the entry has no uplink
    CorrectionSettings correction;
    bool vfoMode = false;                 // "V+"
    double vfoOffsetHz = 0;               // and kHz = Hz / 1000
    double receiveCorrectionHz = 0;       // "Downl.-Corr.(Hz)"
    QMap<int, double> uplinkCalibration;  // Hz, per set index, for this run only
    int workingSetIndex = 0;
    int crossTermSign = -1;  // +1 for an inverting ("REV") transponder, -1 otherwise
    double fmIntervalHz = 0, ssbIntervalHz = 0, activeThresholdHz = 0;
    double lastSentTarget = 0;     // kHz; 0 forces the next send
    double lastDownlinkValue = 0;  // kHz
    QString lastSentDownlinkText, lastSentUplinkText;
    double lastSentDownlinkKHz = 0;  // the value lastSentDownlinkText carries
    int sendCount = 0;
    // The readbacks and transmit queries sent, and those whose answer could be read: a radio
    // that is off, or on another baud rate or address, shows in the first running ahead.
    int repliesAwaited = 0;
    int repliesUnderstood = 0;
    bool dialMoved = false;
    bool sendWithoutChecks = false;  // the next send skips the threshold and transmit check
    bool manualFrequencies = false;  // typed frequencies: the next send goes out as it is
    bool catOn = false;
    bool catDisabled = false;
    int ticksSinceSelection = 0;  // 0, 1, 2: the radio is tuned from the second on
    int modeSetupCounter = 0;
    bool cwSwitch = false;  // "CW+"
    // The one-VFO radio's send counter and its N; whether the last transmit check saw the
    // radio transmitting.
    int sendCounter = 0;
    int uplinkEvery = 1;
    bool transmitting = false;

    double VfoOffsetKHz() const { return vfoOffsetHz / 1000.0; }
    double ReceiveCorrectionKHz() const { return receiveCorrectionHz / 1000.0; }
    double CalibrationHz() const { return uplinkCalibration.value(workingSetIndex, 0.0); }
    double CalibrationKHz() const { return CalibrationHz() / 1000.0; }
    // The correction mode the frequencies follow: the stored one with VFO mode on; with VFO
    // mode off (by hand or by an FM satellite) the Doppler goes on both links, and the stored
    // mode comes back with VFO mode.
    CorrectionMode ModeInForce() const {
        return vfoMode ? correction.mode : CorrectionMode::UplinkAndDownlink;
    }
};

// A readback or transmit query was answered with something readable, or not.
void NoteReply(TuningState& tuning, bool understood);

// A readback of the satellite transmit dial (`text`, `answerKHz`) against the last sent
// uplink (`sentKHz`, 0 for none yet): the same text is nothing; otherwise nothing is sent
// this tick, the answer is remembered, and a turn of that dial (within fU +- 50000 kHz)
// goes into the working satellite's uplink calibration. Families read the transmit dial only
// when the receive dial showed what was sent, so a turn here is the transmit dial's own.
void CompareUplinkAnswer(TuningState& tuning, const SelectedTransponder& transponder,
                         const QString& text, double answerKHz, double sentKHz);

// A downlink went out as `text`, which stands for `kHz`.
void NoteSentDownlink(TuningState& tuning, const QString& text, double kHz);

// How a family's readback is compared: whether the adoption subtracts the receive
// correction, and the radio's tuning step.
struct DialComparison {
    bool subtractReceiveCorrection = false;
    int tuningStepHz = 1;
};

// Whether `answerKHz` is what a radio with `tuningStepHz` keeps of `sentKHz`: the sent
// frequency itself, or rounded or truncated to the step.
bool StoredAsSent(double sentKHz, double answerKHz, int tuningStepHz);

// A dial answer compared with the last sent downlink: the same text, or the sent value as
// the radio stores it (StoredAsSent), clears the dial-moved flag; otherwise the operator
// turned the dial: the answer is remembered and, when it lies within fD +- 50000 kHz,
// becomes the new VFO offset (less the receive correction when the comparison says so).
// `answerKHz` is the answer's value as the radio shows it.
void CompareDialAnswer(TuningState& tuning, const SelectedTransponder& transponder,
                       const QString& answerText, double answerKHz, DialComparison comparison);

}  // namespace orbivox
