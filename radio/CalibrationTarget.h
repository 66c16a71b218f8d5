#pragma once
// What the frequency-store dialog and its operations need from the live Doppler tuning: the
// present frequencies and shifts to store, pausing and resuming the tracking timer around a
// store, and taking back the stored values.
namespace orbivox {

struct TuningForStore {
    double receiveKHz = 0;        // D, present receive frequency
    double transmitKHz = 0;       // U, present transmit frequency
    double downlinkShiftKHz = 0;  // dD
    double uplinkShiftKHz = 0;    // dU
    double receiveCorrectionKHz = 0;
    double uplinkCalibrationHz = 0;  // the working satellite's, as the main window shows it
};

class CalibrationTarget {
public:
    virtual ~CalibrationTarget() = default;
    virtual TuningForStore TuningNow() const = 0;
    virtual void PauseTracking() = 0;   // stop the tracking timer (only if it was running)
    virtual void ResumeTracking() = 0;  // restart only what PauseTracking stopped
    // After "RX/TX Freq. Data": VFO offset 0, receive correction 0, fD/fU and the table's
    // selected entry take the new values.
    virtual void RxTxStored(double newDownlinkKHz, double newUplinkKHz) = 0;
    // After "Uplink Calibration": fU and the entry take the new value, the calibration is 0.
    virtual void CalibrationStored(double newUplinkKHz) = 0;
};

}  // namespace orbivox
