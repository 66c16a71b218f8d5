#pragma once
// The initialisation SGP4 and SDP4 share: original mean motion and
// semi-major axis, the perigee-dependent density parameter and the secular
// rates.

#include "orbit/ElementSet.h"

namespace orbit::models {

struct Sgp4Setup {
    double cosio, sinio, theta2, x3thm1, x1mth2, x7thm1, eosq, betao2, betao;
    double xnodp, aodp, s4, tsi, eta, etasq, eeta, coef, coef1, c1, c4;
    double xmdot, omgdot, xnodot, xnodcf, t2cof, xlcof, aycof, sing, cosg;
};

Sgp4Setup ComputeSgp4Setup(const CurrentSet& set);

// Keeps what both the SGP4 and the SDP4 state take from the shared initialisation.
template <typename ModelState>
void TakeSharedSetup(const Sgp4Setup& b, ModelState& s) {
    s.aodp = b.aodp;
    s.xnodp = b.xnodp;
    s.cosio = b.cosio;
    s.sinio = b.sinio;
    s.x3thm1 = b.x3thm1;
    s.x1mth2 = b.x1mth2;
    s.x7thm1 = b.x7thm1;
    s.c1 = b.c1;
    s.c4 = b.c4;
    s.xmdot = b.xmdot;
    s.omgdot = b.omgdot;
    s.xnodot = b.xnodot;
    s.xnodcf = b.xnodcf;
    s.t2cof = b.t2cof;
    s.xlcof = b.xlcof;
    s.aycof = b.aycof;
}

}  // namespace orbit::models
