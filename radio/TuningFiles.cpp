// Reading and writing the send intervals and the correction settings, refusing negative
// intervals and unknown correction modes.
#include "radio/TuningFiles.h"

#include "settings/SqfFile.h"

namespace orbivox {

double ReadSendInterval(const QString& path) {
    SqfReader file(path);
    const double hertz = file.Real();
    if (hertz < 0) {
        file.Fail(QStringLiteral("line 1 holds a negative interval"));
    }
    return hertz;
}

void WriteSendInterval(const QString& path, double hertz) {
    SqfWriter().Real(hertz).Commit(path);
}

CorrectionSettings ReadCorrectionSettings(const QString& path) {
    SqfReader file(path);
    const long long mode = file.Integer();
    if (mode < 0 || mode > 2) {
        file.Fail(QStringLiteral("line 1 holds correction mode %1, not 0, 1 or 2").arg(mode));
    }
    const long long display = file.Integer();
    if (display < 0 || display > 1) {
        file.Fail(QStringLiteral("line 2 holds display option %1, not 0 or 1").arg(display));
    }
    return {static_cast<CorrectionMode>(mode), static_cast<FrequencyDisplay>(display)};
}

void WriteCorrectionSettings(const QString& path, const CorrectionSettings& settings) {
    SqfWriter()
        .Integer(static_cast<int>(settings.mode))
        .Integer(static_cast<int>(settings.display))
        .Commit(path);
}

}  // namespace orbivox
