// Frequency digits for the radio commands.
#include "radio/FrequencyDigits.h"

#include <cmath>

namespace orbivox {

std::int64_t FrequencyUnits(double kHz, int unitHz) {
    return std::llround(kHz * 1000.0 / unitHz);
}

QString ZeroPadded(std::int64_t value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

}  // namespace orbivox
