#pragma once
// Kepler's equation as SGP8 and SDP8 solve it: Newton steps from a
// second-order start, at most kKeplerIterations of them.

#include <cmath>

#include "orbit/OrbitConstants.h"

namespace orbit::models {

struct Sgp8KeplerSolution {
    double sine, cose, zc5;  // sin E, cos E, 1 / (1 - e cos E)
};

inline Sgp8KeplerSolution SolveSgp8Kepler(double xmam, double em) {
    double zc2 = xmam + em * std::sin(xmam) * (1.0 + em * std::cos(xmam));
    Sgp8KeplerSolution k{};
    for (int i = 0; i < kKeplerIterations; ++i) {
        k.sine = std::sin(zc2);
        k.cose = std::cos(zc2);
        k.zc5 = 1.0 / (1.0 - em * k.cose);
        const double cape = (xmam + em * k.sine - zc2) * k.zc5 + zc2;
        if (std::fabs(cape - zc2) <= kE6a)
            break;
        zc2 = cape;
    }
    return k;
}

}  // namespace orbit::models
