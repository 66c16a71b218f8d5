#pragma once
// The live tuning as the transponder stores see it, recording what they did to it: a stand-in
// for the Doppler tuning state in the store and dialog tests.
#include <QStringList>

#include "radio/CalibrationTarget.h"

namespace orbivox {

class RecordingTarget : public CalibrationTarget {
public:
    TuningForStore TuningNow() const override { return tuning; }
    void PauseTracking() override { events.append("pause"); }
    void ResumeTracking() override { events.append("resume"); }
    void RxTxStored(double downlink, double uplink) override {
        events.append(QStringLiteral("rxtx %1 %2").arg(downlink, 0, 'f', 2).arg(uplink, 0, 'f', 2));
    }
    void CalibrationStored(double uplink) override {
        events.append(QStringLiteral("calibration %1").arg(uplink, 0, 'f', 2));
        tuning.uplinkCalibrationHz = 0;
    }
    TuningForStore tuning;
    QStringList events;
};

}  // namespace orbivox
