#pragma once
// The Doppler tuning settings kept between runs: the send intervals (IntVCat.SQF for FM
// and packet transponders, IntVCatSSB.SQF for all others) and the correction mode with
// the frequency window's display option (KorrMod.SQF).
#include <QString>

namespace orbivox {

// IntVCat.SQF / IntVCatSSB.SQF: one real, the minimum change in Hz before a new frequency
// is sent. Throws SqfError (missing file, no number, a negative interval).
double ReadSendInterval(const QString& path);
void WriteSendInterval(const QString& path, double hertz);

enum class CorrectionMode { UplinkAndDownlink = 0, Uplink = 1, Downlink = 2 };
enum class FrequencyDisplay { DopplerShift = 0, SatelliteFrequency = 1 };

struct CorrectionSettings {
    CorrectionMode mode = CorrectionMode::UplinkAndDownlink;    // 1  0, 1 or 2
    FrequencyDisplay display = FrequencyDisplay::DopplerShift;  // 2  0 or 1
};

// KorrMod.SQF. Throws SqfError (missing file, a value outside its range).
CorrectionSettings ReadCorrectionSettings(const QString& path);
void WriteCorrectionSettings(const QString& path, const CorrectionSettings& settings);

}  // namespace orbivox
