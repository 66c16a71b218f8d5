// The dial comparison shared by every family's readback.
#include "radio/TuningState.h"

namespace orbivox {

void CompareDialAnswer(TuningState& tuning, const SelectedTransponder& transponder,
                       const QString& answerText, double answerKHz,
                       bool subtractReceiveCorrection) {
    if (answerText == tuning.lastSentDownlinkText) {
        tuning.dialMoved = false;
        return;
    }
    // The operator turned the dial: nothing is sent this tick, and the next readback equals
    // what the radio shows now, so tracking goes on from the new offset.
    tuning.dialMoved = true;
    tuning.lastSentDownlinkText = answerText;
    const double r = answerKHz + transponder.downlinkOffsetKHz;
    if (!InsideReadbackWindow(transponder.downlinkKHz, r)) {
        return;
    }
    double offset = r - transponder.downlinkKHz + tuning.downlinkShiftChange;
    switch (tuning.correction.mode) {
        case CorrectionMode::UplinkAndDownlink:
            offset -= tuning.downlinkShift;
            break;
        case CorrectionMode::Downlink:
            offset -= tuning.downlinkShift + tuning.uplinkShift;
            break;
        case CorrectionMode::Uplink:
            break;
    }
    if (subtractReceiveCorrection) {
        offset -= tuning.ReceiveCorrectionKHz();
    }
    tuning.vfoOffsetHz = offset * 1000.0;
}

}  // namespace orbivox
