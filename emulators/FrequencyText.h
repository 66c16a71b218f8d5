#pragma once
// Frequencies in the emulators' log: whole Hz shown in MHz, as "145.90000 MHz"; and the
// rounding of a radio that keeps coarser steps than its commands carry (--round-to).
#include <QString>
#include <cstdint>

namespace orbivox {

// hertz / 10^6 with `decimals` places (5 for 10 Hz radios, 6 for 1 Hz radios) + " MHz".
QString MegahertzText(std::int64_t hertz, int decimals);

// A set frequency as a radio that keeps `stepHz` steps stores it: rounded to the nearest
// step (halves up); unchanged for a step of 0 or 1.
std::int64_t StoredFrequency(std::int64_t hertz, int stepHz);

}  // namespace orbivox
