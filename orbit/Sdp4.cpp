// SDP4: the deep-space model of the SGP4/SDP4 family.
#include <cmath>

#include "orbit/Models.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Sgp4Setup.h"

namespace orbit::models {

void InitSdp4(const CurrentSet& set, int century, Sdp4State& s) {
    s = Sdp4State{};
    const Sgp4Setup b = ComputeSgp4Setup(set);
    TakeSharedSetup(b, s);
    const DeepInitInput in{b.eosq, b.sinio,  b.cosio, b.betao,  b.aodp,   b.theta2, b.sing,
                           b.cosg, b.betao2, b.xmdot, b.omgdot, b.xnodot, b.xnodp};
    DeepInit(set, century, in, s.deep);
}

ModelOutput RunSdp4(const CurrentSet& set, Sdp4State& s, double tsince) {
    // Secular gravity and atmospheric drag.
    double xmdf = set.meanAnomaly + s.xmdot * tsince;
    double omgadf = set.argumentOfPerigee + s.omgdot * tsince;
    const double xnoddf = set.node + s.xnodot * tsince;
    const double tsq = tsince * tsince;
    double xnode = xnoddf + s.xnodcf * tsq;
    const double tempa = 1.0 - s.c1 * tsince;
    const double tempe = set.dragTerm * s.c4 * tsince;
    const double templ = s.t2cof * tsq;
    double xn = s.xnodp;
    double em = 0.0, xinc = 0.0;
    if (!DeepSecular(s.deep, xmdf, omgadf, xnode, em, xinc, xn, tsince)) {
        ModelOutput out;
        out.failure = PropagationFailure::TimeOutOfRange;
        return out;
    }
    if (!(xn > 0.0)) {
        ModelOutput out;
        out.failure = PropagationFailure::Decayed;
        return out;
    }
    const double a = Power(kXke / xn, kTothrd) * tempa * tempa;
    double e = em - tempe;
    double xmam = xmdf + s.xnodp * templ;
    DeepPeriodic(s.deep, e, xinc, omgadf, xnode, xmam);

    Sgp4TailInput tail{};
    tail.a = a;
    tail.e = e;
    tail.omega = omgadf;
    tail.xl = xmam + omgadf + xnode;
    tail.xnode = xnode;
    tail.xinc = xinc;
    // The short-period terms use the inclination at epoch, as published.
    TakeEpochFactors(s, tail);
    return Sgp4Periodics(tail);
}

}  // namespace orbit::models
