// SGP8: the near-earth model of the SGP8/SDP8 family.
#include <cmath>

#include "orbit/Models.h"
#include "orbit/OrbitConstants.h"
#include "orbit/Sgp8Kepler.h"

namespace orbit::models {

void InitSgp8(const CurrentSet& set, Sgp8State& s) {
    s = Sgp8State{};
    Sgp8Common& c = s.c;
    const Sgp8Init v = InitSgp8Common(set, kRhoSgp8, c);
    const double eo = set.eccentricity;

    // Very small drag: linear mean motion, quadratic mean anomaly.
    if (std::fabs(v.xndtn * kXmnpda) < 2.16e-3) {
        s.isimp = true;
        c.edot = -kTothrd * v.xndtn * (1.0 - eo);
        return;
    }
    const double eta = v.eta, eta2 = v.eta2, eosq = v.eosq, eeta = v.eeta;
    const double betao2 = v.betao2, alpha2 = v.alpha2, psim2 = v.psim2, tsi = v.tsi;
    const double d1 = v.d1, d2 = v.d2, d3 = v.d3, d4 = v.d4, d5 = v.d5;
    const double b1 = v.b1, b2 = v.b2, b3 = v.b3, c0 = v.c0, c1 = v.c1, c4 = v.c4, c5 = v.c5;
    const double cos2g = v.cos2g, sing = v.sing, cosg = v.cosg, xndtn = v.xndtn;
    const double xndt = c.xndt, xgdt1 = c.xgdt1, aodp = v.aodp;

    const double d6 = eta * (30.0 + 22.5 * eta2);
    const double d7 = eta * (5.0 + 12.5 * eta2);
    const double d8 = 1.0 + eta2 * (6.75 + eta2);
    const double c8 = d1 * d7 * b2;
    const double c9 = d5 * d8 * b3;
    const double edot = -c0 * (eta * (4.0 + eta2 + eosq * (15.5 + 7.0 * eta2)) +
                               eo * (5.0 + 15.0 * eta2) + d1 * d6 * b1 + c8 * cos2g + c9 * sing);
    c.edot = edot;
    const double d20 = 0.5 * kTothrd * xndtn;
    const double aldtal = eo * edot / alpha2;
    const double tsdtts = 2.0 * aodp * tsi * (d20 * betao2 + eo * edot);
    const double etdt = (edot + eo * tsdtts) * tsi * kS;
    const double psdtps = -eta * etdt * psim2;
    const double sin2g = 2.0 * sing * cosg;
    const double c0dtc0 = d20 + 4.0 * tsdtts - aldtal - 7.0 * psdtps;
    const double c1dtc1 = xndtn + 4.0 * aldtal + c0dtc0;
    const double d9 = eta * (6.0 + 68.0 * eosq) + eo * (20.0 + 15.0 * eta2);
    const double d10 = 5.0 * eta * (4.0 + eta2) + eo * (17.0 + 68.0 * eta2);
    const double d11 = eta * (72.0 + 18.0 * eta2);
    const double d12 = eta * (30.0 + 10.0 * eta2);
    const double d13 = 5.0 + 11.25 * eta2;
    const double d14 = tsdtts - 2.0 * psdtps;
    const double d15 = 2.0 * (d20 + eo * edot / betao2);
    const double d1dt = d1 * (d14 + d15);
    const double d2dt = etdt * d11;
    const double d3dt = etdt * d12;
    const double d4dt = etdt * d13;
    const double d5dt = d5 * d14;
    const double c4dt = b2 * (d1dt * d3 + d1 * d3dt);
    const double c5dt = b3 * (d5dt * d4 + d5 * d4dt);
    const double d16 = d9 * etdt + d10 * edot + b1 * (d1dt * d2 + d1 * d2dt) + c4dt * cos2g +
                       c5dt * sing + xgdt1 * (c5 * cosg - 2.0 * c4 * sin2g);
    const double xnddt = c1dtc1 * xndt + c1 * d16;
    const double eddot =
        c0dtc0 * edot -
        c0 * ((4.0 + 3.0 * eta2 + 30.0 * eeta + eosq * (15.5 + 21.0 * eta2)) * etdt +
              (5.0 + 15.0 * eta2 + eeta * (31.0 + 14.0 * eta2)) * edot +
              b1 * (d1dt * d6 + d1 * etdt * (30.0 + 67.5 * eta2)) +
              b2 * (d1dt * d7 + d1 * etdt * (5.0 + 37.5 * eta2)) * cos2g +
              b3 * (d5dt * d8 + d5 * etdt * eta * (13.5 + 4.0 * eta2)) * sing +
              xgdt1 * (c9 * cosg - 2.0 * c8 * sin2g));
    const double d25 = edot * edot;
    const double d17 = xnddt / c.xnodp - xndtn * xndtn;
    const double tsddts =
        2.0 * tsdtts * (tsdtts - d20) +
        aodp * tsi * (kTothrd * betao2 * d17 - 4.0 * d20 * eo * edot + 2.0 * (d25 + eo * eddot));
    const double etddt = (eddot + 2.0 * edot * tsdtts) * tsi * kS + tsddts * eta;
    const double d18 = tsddts - tsdtts * tsdtts;
    // psdtps^2 / eta2 written without the division, which is 0/0 for e = 0.
    const double etdtPsim2 = etdt * psim2;
    const double d19 = -etdtPsim2 * etdtPsim2 - eta * etddt * psim2 - psdtps * psdtps;
    const double d23 = etdt * etdt;
    const double d1ddt =
        d1dt * (d14 + d15) + d1 * (d18 - 2.0 * d19 + kTothrd * d17 +
                                   2.0 * (alpha2 * d25 / betao2 + eo * eddot) / betao2);
    const double xntrdt =
        xndt * (2.0 * kTothrd * d17 + 3.0 * (d25 + eo * eddot) / alpha2 - 6.0 * aldtal * aldtal +
                4.0 * d18 - 7.0 * d19) +
        c1dtc1 * xnddt +
        c1 * (c1dtc1 * d16 + d9 * etddt + d10 * eddot + d23 * (6.0 + 30.0 * eeta + 68.0 * eosq) +
              etdt * edot * (40.0 + 30.0 * eta2 + 272.0 * eeta) + d25 * (17.0 + 68.0 * eta2) +
              b1 * (d1ddt * d2 + 2.0 * d1dt * d2dt +
                    d1 * (etddt * d11 + d23 * (72.0 + 54.0 * eta2))) +
              b2 *
                  (d1ddt * d3 + 2.0 * d1dt * d3dt +
                   d1 * (etddt * d12 + d23 * (30.0 + 30.0 * eta2))) *
                  cos2g +
              b3 *
                  ((d5dt * d14 + d5 * (d18 - 2.0 * d19)) * d4 + 2.0 * d4dt * d5dt +
                   d5 * (etddt * d13 + 22.5 * eta * d23)) *
                  sing +
              xgdt1 * ((7.0 * d20 + 4.0 * eo * edot / betao2) * (c5 * cosg - 2.0 * c4 * sin2g) +
                       ((2.0 * c5dt * cosg - 4.0 * c4dt * sin2g) -
                        xgdt1 * (c5 * sing + 4.0 * c4 * cos2g))));
    const double tmnddt = xnddt * 1.0e9;
    const double temp = tmnddt * tmnddt - xndt * 1.0e18 * xntrdt;
    s.pp = (temp + tmnddt * tmnddt) / temp;
    s.gamma = -xntrdt / (xnddt * (s.pp - 2.0));
    s.xnd = xndt / (s.pp * s.gamma);
    s.qq = 1.0 - eddot / (edot * s.gamma);
    s.ed = edot / (s.qq * s.gamma);
    s.ovgpp = 1.0 / (s.gamma * (s.pp + 1.0));
}

ModelOutput RunSgp8(const CurrentSet& set, const Sgp8State& s, double tsince) {
    const Sgp8Common& c = s.c;
    ModelOutput out;
    // Secular gravity and atmospheric drag.
    double xmam = ReduceAngle(set.meanAnomaly + c.xlldot * tsince);
    double omgasm = set.argumentOfPerigee + c.omgdt * tsince;
    double xnodes = set.node + c.xnodot * tsince;
    double xn = 0, em = 0, z1 = 0;
    if (!s.isimp) {
        const double temp = 1.0 - s.gamma * tsince;
        // The drag polynomial has no real value past its pole: the orbit has
        // decayed by then.
        if (!(temp > 0.0)) {
            out.failure = PropagationFailure::Decayed;
            return out;
        }
        const double temp1 = Power(temp, s.pp);
        xn = c.xnodp + s.xnd * (1.0 - temp1);
        em = set.eccentricity + s.ed * (1.0 - Power(temp, s.qq));
        z1 = s.xnd * (tsince + s.ovgpp * (temp * temp1 - 1.0));
    } else {
        xn = c.xnodp + c.xndt * tsince;
        em = set.eccentricity + c.edot * tsince;
        z1 = 0.5 * c.xndt * tsince * tsince;
    }
    out.failure = CheckSgp8Motion(xn, em);
    if (out.failure != PropagationFailure::None) {
        return out;
    }
    const double z7 = 3.5 * kTothrd * z1 / c.xnodp;
    xmam = ReduceAngle(xmam + z1 + z7 * c.xmdt1);
    omgasm = omgasm + z7 * c.xgdt1;
    xnodes = xnodes + z7 * c.xhdt1;

    const Sgp8KeplerSolution k = SolveSgp8Kepler(xmam, em);
    return Sgp8Periodics(c, xn, em, omgasm, xnodes, xmam, c.sinio2, k.sine, k.cose, k.zc5);
}

}  // namespace orbit::models
