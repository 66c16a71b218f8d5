// SGP4: the near-earth model of the SGP4/SDP4 family.
#include <cmath>

#include "orbit/Models.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Sgp4Setup.h"

namespace orbit::models {

void InitSgp4(const CurrentSet& set, Sgp4State& s) {
    s = Sgp4State{};
    const Sgp4Setup b = ComputeSgp4Setup(set);
    const double eo = set.eccentricity, bstar = set.dragTerm;
    TakeSharedSetup(b, s);
    s.eta = b.eta;

    // Low perigee: the drag expansion is cut short.
    s.isimp = (b.aodp * (1.0 - eo) / kAe) < (220.0 / kXkmper + kAe);

    s.c5 = 2.0 * b.coef1 * b.aodp * b.betao2 * (1.0 + 2.75 * (b.etasq + b.eeta) + b.eeta * b.etasq);
    // Both terms divide by e; for a circular orbit they cancel in the mean
    // longitude, so leave them out rather than make 0/0.
    if (eo != 0.0) {
        const double c3 = b.coef * b.tsi * kA3ovk2 * b.xnodp * kAe * b.sinio / eo;
        s.omgcof = bstar * c3 * std::cos(set.argumentOfPerigee);
        s.xmcof = -kTothrd * b.coef * bstar * kAe / b.eeta;
    }
    s.delmo = Cube(1.0 + b.eta * std::cos(set.meanAnomaly));
    s.sinmo = std::sin(set.meanAnomaly);
    if (s.isimp)
        return;
    const double c1sq = b.c1 * b.c1;
    s.d2 = 4.0 * b.aodp * b.tsi * c1sq;
    const double temp = s.d2 * b.tsi * b.c1 / 3.0;
    s.d3 = (17.0 * b.aodp + b.s4) * temp;
    s.d4 = 0.5 * temp * b.aodp * b.tsi * (221.0 * b.aodp + 31.0 * b.s4) * b.c1;
    s.t3cof = s.d2 + 2.0 * c1sq;
    s.t4cof = 0.25 * (3.0 * s.d3 + b.c1 * (12.0 * s.d2 + 10.0 * c1sq));
    s.t5cof = 0.2 * (3.0 * s.d4 + 12.0 * b.c1 * s.d3 + 6.0 * s.d2 * s.d2 +
                     15.0 * c1sq * (2.0 * s.d2 + c1sq));
}

ModelOutput RunSgp4(const CurrentSet& set, const Sgp4State& s, double tsince) {
    const double bstar = set.dragTerm;
    // Secular gravity and atmospheric drag.
    const double xmdf = set.meanAnomaly + s.xmdot * tsince;
    const double omgadf = set.argumentOfPerigee + s.omgdot * tsince;
    const double xnoddf = set.node + s.xnodot * tsince;
    double omega = omgadf;
    double xmp = xmdf;
    const double tsq = tsince * tsince;
    const double xnode = xnoddf + s.xnodcf * tsq;
    double tempa = 1.0 - s.c1 * tsince;
    double tempe = bstar * s.c4 * tsince;
    double templ = s.t2cof * tsq;
    if (!s.isimp) {
        const double delomg = s.omgcof * tsince;
        const double delm = s.xmcof * (Cube(1.0 + s.eta * std::cos(xmdf)) - s.delmo);
        const double temp = delomg + delm;
        xmp = xmdf + temp;
        omega = omgadf - temp;
        const double tcube = tsq * tsince;
        const double tfour = tsince * tcube;
        tempa = tempa - s.d2 * tsq - s.d3 * tcube - s.d4 * tfour;
        tempe = tempe + bstar * s.c5 * (std::sin(xmp) - s.sinmo);
        templ = templ + s.t3cof * tcube + tfour * (s.t4cof + tsince * s.t5cof);
    }
    Sgp4TailInput tail{};
    tail.a = s.aodp * tempa * tempa;
    tail.e = set.eccentricity - tempe;
    tail.omega = omega;
    tail.xl = xmp + omega + xnode + s.xnodp * templ;
    tail.xnode = xnode;
    tail.xinc = set.inclination;
    TakeEpochFactors(s, tail);
    return Sgp4Periodics(tail);
}

}  // namespace orbit::models
