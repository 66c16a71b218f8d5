// SDP8: the deep-space model of the SGP8/SDP8 family.
#include <cmath>

#include "orbit/Models.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Sgp8Kepler.h"

namespace orbit::models {

void InitSdp8(const CurrentSet& set, int century, Sdp8State& s) {
    s = Sdp8State{};
    Sgp8Common& c = s.c;
    const Sgp8Init v = InitSgp8Common(set, kRhoSdp8, c);
    // Deep space always takes the simple drag form.
    c.edot = -kTothrd * v.xndtn * (1.0 - set.eccentricity);
    const DeepInitInput in{v.eosq, c.sini,   c.cosi,   v.betao, v.aodp,   c.theta2, v.sing,
                           v.cosg, v.betao2, c.xlldot, c.omgdt, c.xnodot, c.xnodp};
    DeepInit(set, century, in, s.deep);
}

ModelOutput RunSdp8(const CurrentSet& set, Sdp8State& s, double tsince) {
    const Sgp8Common& c = s.c;
    ModelOutput out;
    // Secular gravity and atmospheric drag.
    const double z1 = 0.5 * c.xndt * tsince * tsince;
    const double z7 = 3.5 * kTothrd * z1 / c.xnodp;
    double xmamdf = set.meanAnomaly + c.xlldot * tsince;
    double omgasm = set.argumentOfPerigee + c.omgdt * tsince + z7 * c.xgdt1;
    double xnodes = set.node + c.xnodot * tsince + z7 * c.xhdt1;
    double xn = c.xnodp;
    double em = 0.0, xinc = 0.0;
    if (!DeepSecular(s.deep, xmamdf, omgasm, xnodes, em, xinc, xn, tsince)) {
        out.failure = PropagationFailure::TimeOutOfRange;
        return out;
    }
    xn = xn + c.xndt * tsince;
    em = em + c.edot * tsince;
    double xmam = xmamdf + z1 + z7 * c.xmdt1;
    DeepPeriodic(s.deep, em, xinc, omgasm, xnodes, xmam);
    out.failure = CheckSgp8Motion(xn, em);
    if (out.failure != PropagationFailure::None) {
        return out;
    }
    xmam = ReduceAngle(xmam);

    const Sgp8KeplerSolution k = SolveSgp8Kepler(xmam, em);
    // SDP8 takes the half inclination from the perturbed inclination.
    return Sgp8Periodics(c, xn, em, omgasm, xnodes, xmam, std::sin(0.5 * xinc), k.sine, k.cose,
                         k.zc5);
}

}  // namespace orbit::models
