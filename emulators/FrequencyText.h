#pragma once
// Frequencies in the emulators' log: whole Hz shown in MHz, as "145.90000 MHz".
#include <QString>
#include <cstdint>

namespace orbivox {

// hertz / 10^6 with `decimals` places (5 for 10 Hz radios, 6 for 1 Hz radios) + " MHz".
QString MegahertzText(std::int64_t hertz, int decimals);

}  // namespace orbivox
