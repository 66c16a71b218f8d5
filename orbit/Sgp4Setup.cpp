// The setup SGP4 and SDP4 share, with the density parameter following a perigee below 156 km.
#include "orbit/Sgp4Setup.h"

#include <cmath>

#include "orbit/Models.h"
#include "orbit/NumericHelpers.h"
#include "orbit/OrbitConstants.h"

namespace orbit::models {

Sgp4Setup ComputeSgp4Setup(const CurrentSet& set) {
    Sgp4Setup b{};
    const double eo = set.eccentricity, xincl = SetupInclination(set.inclination),
                 bstar = set.dragTerm;
    const RecoveredMotion r = RecoverMeanMotion(set);
    b.cosio = r.cosio;
    b.theta2 = r.theta2;
    b.x3thm1 = r.x3thm1;
    b.eosq = r.eosq;
    b.betao2 = r.betao2;
    b.betao = r.betao;
    b.xnodp = r.xnodp;
    b.aodp = r.aodp;

    // Perigee below 156 km: the density parameter s follows the perigee.
    b.s4 = kS;
    double qoms24 = kQoms2t;
    const double perige = (b.aodp * (1.0 - eo) - kAe) * kXkmper;
    if (perige < 156.0) {
        b.s4 = perige <= 98.0 ? 20.0 : perige - 78.0;
        const double q = (120.0 - b.s4) * kAe / kXkmper;
        qoms24 = q * q * q * q;
        b.s4 = b.s4 / kXkmper + kAe;
    }
    const double pinvsq = 1.0 / (b.aodp * b.aodp * b.betao2 * b.betao2);
    b.tsi = 1.0 / (b.aodp - b.s4);
    b.eta = b.aodp * eo * b.tsi;
    b.etasq = b.eta * b.eta;
    b.eeta = eo * b.eta;
    const double psisq = std::fabs(1.0 - b.etasq);
    const double tsi2 = b.tsi * b.tsi;
    b.coef = qoms24 * tsi2 * tsi2;
    b.coef1 = b.coef / Power(psisq, 3.5);
    const double c2 =
        b.coef1 * b.xnodp *
        (b.aodp * (1.0 + 1.5 * b.etasq + b.eeta * (4.0 + b.etasq)) +
         0.75 * kCk2 * b.tsi / psisq * b.x3thm1 * (8.0 + 3.0 * b.etasq * (8.0 + b.etasq)));
    b.c1 = bstar * c2;
    b.sinio = std::sin(xincl);
    b.x1mth2 = 1.0 - b.theta2;
    b.c4 = 2.0 * b.xnodp * b.coef1 * b.aodp * b.betao2 *
           (b.eta * (2.0 + 0.5 * b.etasq) + eo * (0.5 + 2.0 * b.etasq) -
            2.0 * kCk2 * b.tsi / (b.aodp * psisq) *
                (-3.0 * b.x3thm1 * (1.0 - 2.0 * b.eeta + b.etasq * (1.5 - 0.5 * b.eeta)) +
                 0.75 * b.x1mth2 * (2.0 * b.etasq - b.eeta * (1.0 + b.etasq)) *
                     std::cos(2.0 * set.argumentOfPerigee)));
    const double theta4 = b.theta2 * b.theta2;
    const double temp1 = 3.0 * kCk2 * pinvsq * b.xnodp;
    const double temp2 = temp1 * kCk2 * pinvsq;
    const double temp3 = 1.25 * kCk4 * pinvsq * pinvsq * b.xnodp;
    b.xmdot = b.xnodp + 0.5 * temp1 * b.betao * b.x3thm1 +
              0.0625 * temp2 * b.betao * (13.0 - 78.0 * b.theta2 + 137.0 * theta4);
    const double x1m5th = 1.0 - 5.0 * b.theta2;
    b.omgdot = -0.5 * temp1 * x1m5th + 0.0625 * temp2 * (7.0 - 114.0 * b.theta2 + 395.0 * theta4) +
               temp3 * (3.0 - 36.0 * b.theta2 + 49.0 * theta4);
    const double xhdot1 = -temp1 * b.cosio;
    b.xnodot =
        xhdot1 +
        (0.5 * temp2 * (4.0 - 19.0 * b.theta2) + 2.0 * temp3 * (3.0 - 7.0 * b.theta2)) * b.cosio;
    b.xnodcf = 3.5 * b.betao2 * xhdot1 * b.c1;
    b.t2cof = 1.5 * b.c1;
    b.xlcof = 0.125 * kA3ovk2 * b.sinio * (3.0 + 5.0 * b.cosio) / (1.0 + b.cosio);
    b.aycof = 0.25 * kA3ovk2 * b.sinio;
    b.x7thm1 = 7.0 * b.theta2 - 1.0;
    b.sing = std::sin(set.argumentOfPerigee);
    b.cosg = std::cos(set.argumentOfPerigee);
    return b;
}

}  // namespace orbit::models
