// The dial comparison shared by every family's readback.
#include "radio/TuningState.h"

#include <cmath>
#include <cstdint>

namespace orbivox {

void NoteReply(TuningState& tuning, bool understood) {
    ++tuning.repliesAwaited;
    if (understood) {
        ++tuning.repliesUnderstood;
    }
}

void CompareUplinkAnswer(TuningState& tuning, const SelectedTransponder& transponder,
                         const QString& text, double answerKHz, double sentKHz) {
    if (text == tuning.lastSentUplinkText) {
        return;
    }
    tuning.dialMoved = true;
    tuning.lastSentUplinkText = text;
    const double fU = transponder.uplinkKHz;
    if (sentKHz != 0 && fU - 50000 < answerKHz && answerKHz < fU + 50000) {
        tuning.uplinkCalibration[tuning.workingSetIndex] =
            tuning.CalibrationHz() + (answerKHz - sentKHz) * 1000;
        tuning.lastSentTarget = 0;
    }
}

void NoteSentDownlink(TuningState& tuning, const QString& text, double kHz) {
    tuning.lastSentDownlinkText = text;
    tuning.lastSentDownlinkKHz = kHz;
}

bool StoredAsSent(double sentKHz, double answerKHz, int tuningStepHz) {
    const std::int64_t sent = std::llround(sentKHz * 1000.0);
    const std::int64_t answer = std::llround(answerKHz * 1000.0);
    if (answer == sent) {
        return true;
    }
    if (tuningStepHz <= 1 || sent < 0) {
        return false;
    }
    const std::int64_t truncated = sent - sent % tuningStepHz;
    const std::int64_t rounded = truncated + (2 * (sent % tuningStepHz) >= tuningStepHz ? tuningStepHz : 0);
    return answer == truncated || answer == rounded;
}

void CompareDialAnswer(TuningState& tuning, const SelectedTransponder& transponder,
                       const QString& answerText, double answerKHz, DialComparison comparison) {
    if (answerText == tuning.lastSentDownlinkText ||
        (!tuning.lastSentDownlinkText.isEmpty() &&
         StoredAsSent(tuning.lastSentDownlinkKHz, answerKHz, comparison.tuningStepHz))) {
        tuning.dialMoved = false;
        return;
    }
    // The operator turned the dial: nothing is sent this tick, and the next readback equals
    // what the radio shows now, so tracking goes on from the new offset.
    tuning.dialMoved = true;
    NoteSentDownlink(tuning, answerText, answerKHz);
    const double r = answerKHz + transponder.downlinkOffsetKHz;
    if (!InsideReadbackWindow(transponder.downlinkKHz, r)) {
        return;
    }
    double offset = r - transponder.downlinkKHz + tuning.downlinkShiftChange;
    switch (tuning.ModeInForce()) {
        case CorrectionMode::UplinkAndDownlink:
            offset -= tuning.downlinkShift;
            break;
        case CorrectionMode::Downlink:
            // D carries the uplink's shift with the transponder's sense (the cross term).
            offset -= tuning.downlinkShift + tuning.crossTermSign * tuning.uplinkShift;
            break;
        case CorrectionMode::Uplink:
            break;
    }
    if (comparison.subtractReceiveCorrection) {
        offset -= tuning.ReceiveCorrectionKHz();
    }
    tuning.vfoOffsetHz = offset * 1000.0;
}

}  // namespace orbivox
