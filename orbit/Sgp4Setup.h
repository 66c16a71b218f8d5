#pragma once

#include "orbit/ElementSet.h"

// The initialisation SGP4 and SDP4 share: original mean motion and
// semi-major axis, the perigee-dependent density parameter and the secular
// rates.
namespace orbit::models {

struct Sgp4Setup {
    double cosio, sinio, theta2, x3thm1, x1mth2, x7thm1, eosq, betao2, betao;
    double xnodp, aodp, s4, tsi, eta, etasq, eeta, coef, coef1, c1, c4;
    double xmdot, omgdot, xnodot, xnodcf, t2cof, xlcof, aycof, sing, cosg;
};

Sgp4Setup ComputeSgp4Setup(const CurrentSet& set);

}  // namespace orbit::models
