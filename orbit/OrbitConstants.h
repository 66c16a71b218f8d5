#pragma once
// Physical and model constants shared by the four orbit models and DEEP.
// Earth radii are the internal length unit, minutes the time unit.

#include <cmath>

namespace orbit {

// The models' π; the display code elsewhere uses a shorter π on purpose.
inline constexpr double kPi = 3.1415926535897932385;
inline constexpr double kTwoPi = 2.0 * kPi;

inline constexpr double kXkmper = 6378.135;  // km, WGS-72 equatorial radius
inline constexpr double kAe = 1.0;
inline constexpr double kGe = 398600.8;  // km^3/s^2
inline constexpr double kCk2 = 5.413079e-4;
inline constexpr double kCk4 = 6.2098875e-7;
inline constexpr double kXj3 = -2.53881e-6;
inline constexpr double kE6a = 1.0e-6;  // Kepler tolerance
inline constexpr double kTothrd = 2.0 / 3.0;
inline constexpr double kXmnpda = 1440.0;
inline constexpr double kS = kAe + 78.0 / kXkmper;
inline constexpr double kQoms2t = ((120.0 - 78.0) / kXkmper) * ((120.0 - 78.0) / kXkmper) *
                                  ((120.0 - 78.0) / kXkmper) * ((120.0 - 78.0) / kXkmper);
inline constexpr double kA3ovk2 = -kXj3 / kCk2 * kAe * kAe * kAe;
inline constexpr double kRhoSgp8 = 0.15696590235;
inline constexpr double kRhoSdp8 = 0.15696615;

// Not constexpr in C++20 (std::sqrt); computed once when the program starts.
inline const double kXke = std::sqrt(3600.0 * kGe / (kXkmper * kXkmper * kXkmper));

// Mean motion below this (revolutions per day) runs the deep-space models.
inline constexpr double kDeepSpaceRevPerDay = 6.4;

// Kepler loops run at most this often.
inline constexpr int kKeplerIterations = 10;

}  // namespace orbit
