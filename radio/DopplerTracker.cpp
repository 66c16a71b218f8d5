// Doppler tracking: shifts, corrections, the send routine and the frequency window.
#include "radio/DopplerTracker.h"

#include <cmath>

#include "orbit/DisplayFormat.h"
#include "radio/FrequencyDigits.h"

namespace orbivox {
namespace {

constexpr int kModeSetupRuns = 5;

double RoundToMillis(double kHz) {
    return std::nearbyint(kHz * 1000.0) / 1000.0;
}

bool IsFmMode(const QString& mode) {
    return mode == "FM" || mode == "FMN" || mode == "PKT";
}

// A KCT macro number: `pattern` "0000000.000" or "000000.000", from whole Hz.
QString KctNumber(double kHz, const char* pattern) {
    const int whole = static_cast<int>(QByteArray(pattern).indexOf('.'));
    const QString digits = ZeroPadded(FrequencyUnits(kHz, 1), whole + 3);
    return digits.left(digits.size() - 3) + '.' + digits.right(3);
}

}  // namespace

double DownlinkShiftKHz(double closingSpeedKmS, double downlinkKHz) {
    return RoundToMillis(closingSpeedKmS * downlinkKHz / kDopplerLightSpeed);
}

double UplinkShiftKHz(double closingSpeedKmS, double uplinkKHz) {
    return RoundToMillis(-closingSpeedKmS * uplinkKHz / kDopplerLightSpeed);
}

bool ValidManualFrequency(double kHz) {
    return (143999.999 < kHz && kHz < 146000) || (429999.999 < kHz && kHz < 440000) ||
           (1259999.999 < kHz && kHz < 1300000);
}

DopplerTracker::DopplerTracker(CatLink& link, std::unique_ptr<RadioCommandSet> commands,
                               DopplerOptions options)
    : link_(link), commands_(std::move(commands)), options_(options) {}

RadioContext DopplerTracker::Context() {
    return RadioContext{link_, tuning_, transponder_, options_.uplinkEnabled, options_.secondRadio};
}

void DopplerTracker::WorkingSatelliteChosen() {
    tuning_.vfoOffsetHz = 0;
    tuning_.receiveCorrectionHz = 0;
}

void DopplerTracker::SatelliteChanged(int setIndex, const SelectedTransponder& selected) {
    transponder_ = selected;
    tuning_.workingSetIndex = setIndex;
    tuning_.modeSetupCounter = 0;
    tuning_.vfoMode = !IsFmMode(selected.downlinkMode);
    tuning_.cwSwitch = false;
    tuning_.ticksSinceSelection = 0;
    tuning_.dialMoved = false;
    tuning_.sendCount = 0;
    tuning_.crossTermSign = selected.inverting ? 1 : -1;
    if (commands_) {
        RadioContext context = Context();
        commands_->SatelliteChanged(context);
    }
}

void DopplerTracker::ComputeDoppler(double rangeRateKmS) {
    TuningState& t = tuning_;
    t.closingSpeedKmS = -rangeRateKmS;
    t.downlinkShift = DownlinkShiftKHz(t.closingSpeedKmS, transponder_.downlinkKHz);
    t.downlinkShiftChange = t.downlinkShift - t.previousDownlinkShift;
    t.previousDownlinkShift = t.downlinkShift;
    if (transponder_.uplinkKHz != 0) {
        t.uplinkShift = UplinkShiftKHz(t.closingSpeedKmS, transponder_.uplinkKHz);
    }
    ApplyCorrections();
    if (t.ticksSinceSelection < 2) {
        ++t.ticksSinceSelection;
    }
    if (t.ticksSinceSelection < 2) {
        shiftLine_ = QString(25, ' ');
    } else if (transponder_.found) {
        DrawWindow();
    }
}

void DopplerTracker::ApplyCorrections() {
    TuningState& t = tuning_;
    const double fD = transponder_.downlinkKHz, fU = transponder_.uplinkKHz;
    // The cross terms follow the transponder's sense: an inverting one turns the other
    // link's shift around, a non-inverting one does not.
    switch (t.ModeInForce()) {
        case CorrectionMode::UplinkAndDownlink:
            t.receive = fD + t.downlinkShift;
            t.transmit = fU + t.uplinkShift;
            break;
        case CorrectionMode::Uplink:
            t.receive = fD;
            t.transmit = fU + t.crossTermSign * t.downlinkShift + t.uplinkShift;
            break;
        case CorrectionMode::Downlink:
            t.transmit = fU;
            t.receive = fD + t.downlinkShift + t.crossTermSign * t.uplinkShift;
            break;
    }
    if (!t.vfoMode) {
        // The calibration scales with the uplink; before the first send D stands in for the
        // last downlink value (which is still 0).
        const double base = t.lastDownlinkValue != 0 ? t.lastDownlinkValue : t.receive;
        t.receive += t.CalibrationKHz();
        if (base != 0) {
            t.transmit += t.CalibrationKHz() * (t.transmit / base);
        }
    } else {
        t.receive += t.VfoOffsetKHz() + t.ReceiveCorrectionKHz();
        t.transmit += t.CalibrationKHz() - t.crossTermSign * t.VfoOffsetKHz();
    }
    if (!transponder_.found) {
        t.receive = t.transmit = 0;
    } else if (fU == 0) {
        t.transmit = 0;
    }
}

void DopplerTracker::DrawWindow() {
    const TuningState& t = tuning_;
    const char separator = options_.decimalSeparator;
    auto frequency = [&](double kHz) {
        const QString text =
            QString::fromStdString(orbit::FormatNumber(kHz, "#000000.000", separator));
        return kHz < 10000000 ? ' ' + text : text;
    };
    auto pair = [&](double down, double up) {
        return frequency(down) + ' ' +
               (transponder_.uplinkKHz < 1 ? QString(11, ' ') : frequency(up)) + "   ";
    };
    if (t.downlinkShift != 0) {
        frequencyLine_ = pair(t.receive, t.transmit);
    }
    if (std::fabs(t.closingSpeedKmS) > 0.0001) {
        if (t.correction.display == FrequencyDisplay::DopplerShift) {
            auto shift = [&](double kHz) {
                return QString::fromStdString(orbit::FormatNumber(kHz, "##0.000", separator));
            };
            QString line = shift(t.downlinkShift).rightJustified(9);
            if (transponder_.uplinkKHz > 0) {
                line += (t.uplinkShift >= 0 ? QStringLiteral(" ") : QString()) + "     " +
                        shift(t.uplinkShift);
            }
            shiftLine_ = line;
        } else {
            shiftLine_ = pair(t.receive - t.downlinkShift, t.transmit - t.uplinkShift);
        }
    }
}

QString DopplerTracker::CorrectionStatus() const {
    switch (tuning_.ModeInForce()) {
        case CorrectionMode::Uplink:
            return QStringLiteral(" Doppl.Corr.: Uplink");
        case CorrectionMode::Downlink:
            return QStringLiteral(" Doppl.Corr.: Downlink");
        case CorrectionMode::UplinkAndDownlink:
            break;
    }
    return QStringLiteral(" Doppl.Corr.: Upl/Dwnl");
}

void DopplerTracker::RadioStep() {
    TuningState& t = tuning_;
    if (!commands_ || !transponder_.found || t.ticksSinceSelection < 2 || !t.catOn || t.catDisabled ||
        t.downlinkShift == 0) {
        return;
    }
    if (!link_.HasPort() && !link_.KctMode()) {
        return;
    }
    RadioContext context = Context();
    if (t.modeSetupCounter < kModeSetupRuns) {
        if (t.modeSetupCounter++ == 0) {
            t.crossTermSign = transponder_.inverting ? 1 : -1;
            const bool fm = IsFmMode(transponder_.downlinkMode);
            t.activeThresholdHz = fm ? t.fmIntervalHz : t.ssbIntervalHz;
            t.vfoMode = !fm;
            ModeSetup(context);
            if (radio2 != nullptr && options_.uplinkEnabled && transponder_.uplinkKHz != 0) {
                radio2->ModeSetup(transponder_.uplinkMode, t.dialMoved);
            }
        }
    }
    if (!link_.KctMode() && commands_->Model().readsBack && t.sendCount >= 1) {
        commands_->ReadDial(context);
        if (link_.ReadFailed()) {
            // The radio was switched off or unplugged: no more CAT for this run.
            t.catOn = false;
            t.catDisabled = true;
            return;
        }
        if (t.dialMoved) {
            return;
        }
    }
    SendFrequencies();
}

void DopplerTracker::RadioOffsets(double& downlink, double& uplink) const {
    const double downOffset = transponder_.downlinkOffsetKHz,
                 upOffset = transponder_.uplinkOffsetKHz;
    downlink = tuning_.receive > downOffset ? tuning_.receive - downOffset : tuning_.receive;
    uplink = tuning_.transmit > upOffset ? tuning_.transmit - upOffset : tuning_.transmit;
}

void DopplerTracker::SendFrequencies() {
    TuningState& t = tuning_;
    if (!commands_ || (!link_.HasPort() && !link_.KctMode())) {
        return;
    }
    const CorrectionMode mode = t.ModeInForce();
    const double target = mode == CorrectionMode::Uplink     ? t.transmit
                          : mode == CorrectionMode::Downlink ? t.receive
                          : t.receive > t.transmit           ? t.receive
                                                             : t.transmit;
    RadioContext context = Context();
    if (t.manualFrequencies) {
        t.manualFrequencies = false;
    } else {
        if (t.sendWithoutChecks) {
            t.sendWithoutChecks = false;
        } else {
            // Compared in millihertz, so 0.100 kHz against a 100 Hz interval is due.
            const double differenceHz =
                std::nearbyint(std::fabs(target - t.lastSentTarget) * 1e6) / 1e3;
            if (differenceHz < t.activeThresholdHz) {
                return;
            }
            if (commands_->Transmitting(context) ||
                (radio2 != nullptr && radio2->Transmitting(t.catOn, t.lastSentTarget))) {
                return;
            }
        }
        t.lastDownlinkValue = t.receive;
        link_.Delay();
    }
    double downlink = 0, uplink = 0;
    RadioOffsets(downlink, uplink);
    const bool withUplink = options_.uplinkEnabled && t.transmit != 0;
    if (link_.KctMode()) {
        const char* pattern = commands_->KctPattern();
        link_.kctMacroSink("SF" + KctNumber(downlink, pattern) + " " +
                       KctNumber(withUplink ? uplink : 0, pattern));
        link_.Delay();
    } else {
        commands_->SetFrequencies(context, downlink, withUplink ? uplink : 0);
        if (radio2 != nullptr && withUplink) {
            radio2->SendUplink(uplink);
            link_.Delay();
        }
        if (tone != nullptr && tonePending && withUplink) {
            tonePending = false;
            tone->FirstUplink();
        }
    }
    t.lastSentTarget = target;
    t.sendCount = std::max(t.sendCount + 1, 1);
    if (onFrequenciesSent) {
        onFrequenciesSent(downlink, withUplink ? uplink : 0);
    }
}

void DopplerTracker::SetVfoMode(bool on) {
    tuning_.vfoMode = on;
    if (!on) {
        // The stored correction mode rests (ModeInForce) until VFO mode is back on.
        tuning_.vfoOffsetHz = 0;
        tuning_.receiveCorrectionHz = 0;
    }
}

bool DopplerTracker::VfoStep(int hertz) {
    TuningState& t = tuning_;
    if (!t.catOn || !commands_) {
        return false;
    }
    t.vfoOffsetHz += hertz;
    ApplyCorrections();
    DrawWindow();
    double downlink = 0, uplink = 0;
    RadioOffsets(downlink, uplink);
    if (link_.KctMode()) {
        link_.kctMacroSink("SF" + KctNumber(downlink, commands_->KctPattern()));
        return true;
    }
    if (!link_.HasPort()) {
        return true;
    }
    RadioContext context = Context();
    commands_->SendDownlink(context, downlink);
    const bool vu = NextBandPair(BandPair::VU, transponder_.downlinkKHz, transponder_.uplinkKHz) ==
                    BandPair::VU;
    if (!commands_->VfoStepSendsUplink() || !vu || !options_.uplinkEnabled || t.transmit == 0) {
        return true;
    }
    link_.Delay();
    // The uplink goes to the radio that transmits it.
    if (radio2 != nullptr) {
        radio2->SendUplink(uplink);
    } else if (!options_.secondRadio) {
        commands_->SendUplink(context, uplink);
    }
    return true;
}

void DopplerTracker::StepInterval(bool ssb, int hertz) {
    double& interval = ssb ? tuning_.ssbIntervalHz : tuning_.fmIntervalHz;
    if (interval < 0) {
        return;
    }
    interval = std::max(0.0, interval + hertz);
    tuning_.activeThresholdHz = interval;
}

bool DopplerTracker::StepReceiveCorrection(int hertz) {
    TuningState& t = tuning_;
    if (!t.vfoMode || !t.catOn) {
        return false;
    }
    t.receiveCorrectionHz += hertz;
    const bool oneVfo = commands_ && commands_->Model().oneVfoInUse && !options_.secondRadio;
    if (oneVfo && link_.HasPort()) {
        ApplyCorrections();
        DrawWindow();
        double downlink = 0, uplink = 0;
        RadioOffsets(downlink, uplink);
        RadioContext context = Context();
        commands_->SendDownlink(context, downlink);
        return true;
    }
    t.lastSentTarget = 0;
    DrawWindow();
    return false;
}

void DopplerTracker::StepCalibration(int hertz) {
    tuning_.uplinkCalibration[tuning_.workingSetIndex] = tuning_.CalibrationHz() + hertz;
    tuning_.lastSentTarget = 0;
}

QString DopplerTracker::CorrectActualDeviation() {
    if (transponder_.uplinkMode == "FM" || transponder_.uplinkMode == "FMN") {
        return QStringLiteral("Function can be used only with SSB transponders!");
    }
    if (!link_.HasPort() || !tuning_.catOn) {
        return QStringLiteral("A COM port must be selected and CAT functions must be on!");
    }
    const double offset = tuning_.VfoOffsetKHz();
    if (std::fabs(offset) < 0.01) {
        return {};
    }
    // Whole kHz, then the first and second decimal digit, as the three steppers move.
    const double size = std::fabs(offset);
    const int k = static_cast<int>(size);
    const int tenths = static_cast<int>(std::floor((size - k) * 10 + 1e-9));
    const int hundredths = static_cast<int>(std::floor((size - k) * 100 + 1e-9)) % 10;
    const int hertz = k * 1000 + tenths * 100 + hundredths * 10;
    StepCalibration(offset < 0 ? -hertz : hertz);
    return {};
}

bool DopplerTracker::CwSwitchEnabled() const {
    return !IsFmMode(transponder_.downlinkMode);
}

void DopplerTracker::SetCwSwitch(bool on) {
    if (!CwSwitchEnabled()) {
        return;
    }
    tuning_.cwSwitch = on;
    transponder_.downlinkMode = on ? QStringLiteral("CW") : transponder_.savedDownlinkMode;
    transponder_.uplinkMode = on ? QStringLiteral("CW") : transponder_.savedUplinkMode;
    RunModeSetup();
}

void DopplerTracker::RunModeSetup() {
    if (commands_ && transponder_.found && (link_.HasPort() || link_.KctMode())) {
        RadioContext context = Context();
        ModeSetup(context);
    }
}

void DopplerTracker::ModeSetup(RadioContext& context) {
    commands_->ModeSetup(context);
    if (tone != nullptr && commands_->ToneInModeSetup() && radio2 == nullptr &&
        options_.uplinkEnabled && transponder_.uplinkKHz != 0) {
        tone->SetUp();
    }
}

void DopplerTracker::FrequenciesStored(double downlinkKHz, double uplinkKHz) {
    tuning_.vfoOffsetHz = 0;
    tuning_.receiveCorrectionHz = 0;
    transponder_.downlinkKHz = downlinkKHz;
    transponder_.uplinkKHz = uplinkKHz;
    tuning_.lastSentTarget = 0;
}

void DopplerTracker::CalibrationStored(double uplinkKHz) {
    // The calibration is in the stored uplink now; keeping it would count it twice.
    transponder_.uplinkKHz = uplinkKHz;
    tuning_.uplinkCalibration[tuning_.workingSetIndex] = 0;
    tuning_.lastSentTarget = 0;
}

void DopplerTracker::ManualInput(double receiveKHz, double transmitKHz) {
    tuning_.receive = receiveKHz;
    if (transmitKHz > 0) {
        tuning_.transmit = transmitKHz;
    }
    tuning_.manualFrequencies = true;
    SendFrequencies();
    // So the next tick does not tune away from what was typed.
    tuning_.catOn = false;
}

QString DopplerTracker::CatClicked() {
    if (tuning_.catDisabled) {
        return QStringLiteral(
            "Cat control has been disabled because the radio was switched off or "
            "disconnected.\rIf you want to continue with CAT control close Orbivox32, switch on "
            "the radio,\rthen restart Orbivox32. ");
    }
    if (tuning_.catOn) {
        CatOff();
    } else {
        CatOn();
    }
    return {};
}

void DopplerTracker::CatOn() {
    tuning_.catOn = true;
    tuning_.ticksSinceSelection = 0;
    tuning_.lastSentTarget = 0;
    if (link_.KctMode()) {
        link_.kctMacroSink(QStringLiteral("RaOpen"));
    } else if (commands_ && link_.HasPort()) {
        RadioContext context = Context();
        commands_->CatOn(context);
    }
    // The entry is selected again by the caller (it owns the table); the set-up follows.
    SatelliteChanged(tuning_.workingSetIndex, transponder_);
    link_.Delay();
}

void DopplerTracker::CatOnAtStart() {
    if (!tuning_.catOn || !commands_ || !link_.HasPort() || link_.KctMode()) {
        return;
    }
    RadioContext context = Context();
    commands_->CatOnAtStart(context);
    link_.Delay();
}

void DopplerTracker::CatOff() {
    tuning_.catOn = false;
    if (link_.KctMode()) {
        link_.kctMacroSink(QStringLiteral("RaClose"));
    } else if (commands_ && link_.HasPort()) {
        RadioContext context = Context();
        commands_->CatOff(context);
    }
}

void DopplerTracker::ResynchroniseVfos() {
    if (!commands_ || !commands_->ResynchronisesVfos() || !tuning_.catOn) {
        return;  // nothing is tracked that the radio could be out of step with
    }
    CatOff();
    RadioContext context = Context();
    commands_->ResynchroniseVfos(context);
    CatOn();
}

void DopplerTracker::SatelliteModeOff() {
    tuning_.catOn = false;
    if (commands_ && link_.HasPort()) {
        RadioContext context = Context();
        commands_->SatelliteModeOff(context);
        link_.Delay(commands_->DelaysAfterSatelliteModeOff());
    }
}

void DopplerTracker::TransmitReceive(bool transmit) {
    transmitting_ = transmit;
    if (radio2 != nullptr) {
        radio2->TransmitReceive(transmit);
    } else if (commands_ && link_.HasPort()) {
        RadioContext context = Context();
        if (transmit) {
            commands_->Transmit(context);
        } else {
            commands_->Receive(context);
        }
        link_.Delay();
    }
}

void DopplerTracker::Close(bool windowClosed) {
    if (tuning_.catDisabled || !commands_) {
        return;
    }
    if (radio2 != nullptr && radio2->HasPort()) {
        radio2->TransmitReceive(false);
    }
    // The radio's tone off: closing the window steps the switch to T0, "&Quit" (and the end
    // of a command-line run) with CAT on switches it off.
    if (tone != nullptr) {
        if (windowClosed) {
            tone->Reset();
        } else if (link_.HasPort() && tuning_.catOn) {
            tone->SwitchOff();
        }
    }
    RadioContext context = Context();
    if (link_.HasPort()) {
        commands_->CloseCommands(context, windowClosed);
        if (tuning_.catOn) {
            commands_->CatOff(context);
        }
    }
    // The tuner server switches split off on "RaClose"; its "Close" comes with the server's
    // own shutdown, once.
    if (link_.KctMode() && tuning_.catOn) {
        link_.kctMacroSink(QStringLiteral("RaClose"));
    }
}

}  // namespace orbivox
