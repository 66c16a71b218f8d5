#pragma once
// Frequencies turned into command digits: kHz to a whole number of units (10 Hz, 1 Hz) in
// 64 bits, so the 2.4 and 10 GHz bands do not overflow, and zero-padded digit strings.
#include <QString>
#include <cstdint>

namespace orbivox {

// kHz as a whole number of `unitHz` units, rounded to the nearest (halves away from zero).
std::int64_t FrequencyUnits(double kHz, int unitHz);

// `value` in at least `width` decimal digits, zero-padded.
QString ZeroPadded(std::int64_t value, int width);

}  // namespace orbivox
