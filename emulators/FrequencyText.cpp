// The emulators' frequency texts.
#include "emulators/FrequencyText.h"

namespace orbivox {

QString MegahertzText(std::int64_t hertz, int decimals) {
    std::int64_t unit = 1;
    for (int i = decimals; i < 6; ++i) {
        unit *= 10;
    }
    const std::int64_t scaled = hertz / unit;  // in units of the last decimal shown
    std::int64_t perMegahertz = 1;
    for (int i = 0; i < decimals; ++i) {
        perMegahertz *= 10;
    }
    return QStringLiteral("%1.%2 MHz")
        .arg(scaled / perMegahertz)
        .arg(scaled % perMegahertz, decimals, 10, QLatin1Char('0'));
}

std::int64_t StoredFrequency(std::int64_t hertz, int stepHz) {
    if (stepHz <= 1 || hertz < 0) {
        return hertz;
    }
    return (hertz + stepHz / 2) / stepHz * stepHz;
}

}  // namespace orbivox
