// DEEP: lunar-solar secular and periodic terms and the resonance integrator
// for 12-hour and synchronous orbits.
#include <cmath>

#include "orbit/Models.h"
#include "orbit/OrbitConstants.h"
#include "orbit/SiderealTime.h"

namespace orbit::models {
namespace {

constexpr double kZns = 1.19459e-5, kC1ss = 2.9864797e-6, kZes = 0.01675;
constexpr double kZnl = 1.5835218e-4, kC1l = 4.7968065e-7, kZel = 0.05490;
constexpr double kZcosis = 0.91744867, kZsinis = 0.39785416;
constexpr double kZsings = -0.98088458, kZcosgs = 0.1945905;
constexpr double kQ22 = 1.7891679e-6, kQ31 = 2.1460748e-6, kQ33 = 2.2123015e-7;
constexpr double kG22 = 5.7686396, kG32 = 0.95240898, kG44 = 1.8014998;
constexpr double kG52 = 1.0508330, kG54 = 4.4108898;
constexpr double kRoot22 = 1.7891679e-6, kRoot32 = 3.7393792e-7, kRoot44 = 7.3636953e-9;
constexpr double kRoot52 = 1.1428639e-7, kRoot54 = 2.1765803e-9;
constexpr double kThdt = 4.3752691e-3;

// Far enough for centuries either side of the epoch; keeps a bad time from
// spinning the integrator forever.
constexpr long kMaxIntegratorSteps = 200000;

// The lunar or solar contribution to the secular rates and the periodic
// coefficients, for one perturbing body.
struct BodyTerms {
    double se, si, sl, sgh, sh;
    double ee2, e3, xi2, xi3, xl2, xl3, xl4, xgh2, xgh3, xgh4, xh2, xh3;
};

struct BodyGeometry {
    double zcosg, zsing, zcosi, zsini, zcosh, zsinh, cc, zn, ze;
};

BodyTerms ComputeBodyTerms(const BodyGeometry& g, const DeepInitInput& in, double eq, double xnoi,
                           double xqncl) {
    const double cosiq = in.cosiq, siniq = in.siniq;
    const double cosomo = in.cosomo, sinomo = in.sinomo;
    const double eqsq = in.eosq, bsq = in.bsq, rteqsq = in.rteqsq;

    const double a1 = g.zcosg * g.zcosh + g.zsing * g.zcosi * g.zsinh;
    const double a3 = -g.zsing * g.zcosh + g.zcosg * g.zcosi * g.zsinh;
    const double a7 = -g.zcosg * g.zsinh + g.zsing * g.zcosi * g.zcosh;
    const double a8 = g.zsing * g.zsini;
    const double a9 = g.zsing * g.zsinh + g.zcosg * g.zcosi * g.zcosh;
    const double a10 = g.zcosg * g.zsini;
    const double a2 = cosiq * a7 + siniq * a8;
    const double a4 = cosiq * a9 + siniq * a10;
    const double a5 = -siniq * a7 + cosiq * a8;
    const double a6 = -siniq * a9 + cosiq * a10;

    const double x1 = a1 * cosomo + a2 * sinomo;
    const double x2 = a3 * cosomo + a4 * sinomo;
    const double x3 = -a1 * sinomo + a2 * cosomo;
    const double x4 = -a3 * sinomo + a4 * cosomo;
    const double x5 = a5 * sinomo;
    const double x6 = a6 * sinomo;
    const double x7 = a5 * cosomo;
    const double x8 = a6 * cosomo;

    const double z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
    const double z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
    const double z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
    double z1 = 3.0 * (a1 * a1 + a2 * a2) + z31 * eqsq;
    double z2 = 6.0 * (a1 * a3 + a2 * a4) + z32 * eqsq;
    double z3 = 3.0 * (a3 * a3 + a4 * a4) + z33 * eqsq;
    const double z11 = -6.0 * a1 * a5 + eqsq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
    const double z12 = -6.0 * (a1 * a6 + a3 * a5) +
                       eqsq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
    const double z13 = -6.0 * a3 * a6 + eqsq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
    const double z21 = 6.0 * a2 * a5 + eqsq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
    const double z22 =
        6.0 * (a4 * a5 + a2 * a6) + eqsq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
    const double z23 = 6.0 * a4 * a6 + eqsq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
    z1 = z1 + z1 + bsq * z31;
    z2 = z2 + z2 + bsq * z32;
    z3 = z3 + z3 + bsq * z33;

    const double s3 = g.cc * xnoi;
    const double s2 = -0.5 * s3 / rteqsq;
    const double s4 = s3 * rteqsq;
    const double s1 = -15.0 * eq * s4;
    const double s5 = x1 * x3 + x2 * x4;
    const double s6 = x2 * x3 + x1 * x4;
    const double s7 = x2 * x4 - x1 * x3;

    BodyTerms t{};
    t.se = s1 * g.zn * s5;
    t.si = s2 * g.zn * (z11 + z13);
    t.sl = -g.zn * s3 * (z1 + z3 - 14.0 - 6.0 * eqsq);
    t.sgh = s4 * g.zn * (z31 + z33 - 6.0);
    t.sh = -g.zn * s2 * (z21 + z23);
    // Near-equatorial orbits: the node rate is left out.
    if (xqncl < 5.2359877e-2)
        t.sh = 0.0;
    t.ee2 = 2.0 * s1 * s6;
    t.e3 = 2.0 * s1 * s7;
    t.xi2 = 2.0 * s2 * z12;
    t.xi3 = 2.0 * s2 * (z13 - z11);
    t.xl2 = -2.0 * s3 * z2;
    t.xl3 = -2.0 * s3 * (z3 - z1);
    t.xl4 = -2.0 * s3 * (-21.0 - 9.0 * eqsq) * g.ze;
    t.xgh2 = 2.0 * s4 * z32;
    t.xgh3 = 2.0 * s4 * (z33 - z31);
    t.xgh4 = -18.0 * s4 * g.ze;
    t.xh2 = -2.0 * s2 * z22;
    t.xh3 = -2.0 * s2 * (z23 - z21);
    return t;
}

void InitHalfDayResonance(const CurrentSet& set, const DeepInitInput& in, double aqnv,
                          DeepState& d) {
    const double eq = d.eo, eqsq = in.eosq, eoc = eq * eqsq;
    const double siniq = in.siniq, cosiq = in.cosiq, cosq2 = in.cosq2;
    const double g201 = -0.306 - (eq - 0.64) * 0.440;
    double g211, g310, g322, g410, g422, g520, g533, g521, g532;
    if (eq <= 0.65) {
        g211 = 3.616 - 13.247 * eq + 16.290 * eqsq;
        g310 = -19.302 + 117.390 * eq - 228.419 * eqsq + 156.591 * eoc;
        g322 = -18.9068 + 109.7927 * eq - 214.6334 * eqsq + 146.5816 * eoc;
        g410 = -41.122 + 242.694 * eq - 471.094 * eqsq + 313.953 * eoc;
        g422 = -146.407 + 841.880 * eq - 1629.014 * eqsq + 1083.435 * eoc;
        g520 = -532.114 + 3017.977 * eq - 5740.0 * eqsq + 3708.276 * eoc;
    } else {
        g211 = -72.099 + 331.819 * eq - 508.738 * eqsq + 266.724 * eoc;
        g310 = -346.844 + 1582.851 * eq - 2415.925 * eqsq + 1246.113 * eoc;
        g322 = -342.585 + 1554.908 * eq - 2366.899 * eqsq + 1215.972 * eoc;
        g410 = -1052.797 + 4758.686 * eq - 7193.992 * eqsq + 3651.957 * eoc;
        g422 = -3581.69 + 16178.11 * eq - 24462.77 * eqsq + 12422.52 * eoc;
        if (eq > 0.715)
            g520 = -5149.66 + 29936.92 * eq - 54087.36 * eqsq + 31324.56 * eoc;
        else
            g520 = 1464.74 - 4664.75 * eq + 3763.64 * eqsq;
    }
    if (eq < 0.7) {
        g533 = -919.2277 + 4988.61 * eq - 9064.77 * eqsq + 5542.21 * eoc;
        g521 = -822.71072 + 4568.6173 * eq - 8491.4146 * eqsq + 5337.524 * eoc;
        g532 = -853.666 + 4690.25 * eq - 8624.77 * eqsq + 5341.4 * eoc;
    } else {
        g533 = -37995.78 + 161616.52 * eq - 229838.2 * eqsq + 109377.94 * eoc;
        g521 = -51752.104 + 218913.95 * eq - 309468.16 * eqsq + 146349.42 * eoc;
        g532 = -40023.88 + 170470.89 * eq - 242699.48 * eqsq + 115605.82 * eoc;
    }
    const double sini2 = siniq * siniq;
    const double f220 = 0.75 * (1.0 + 2.0 * cosiq + cosq2);
    const double f221 = 1.5 * sini2;
    const double f321 = 1.875 * siniq * (1.0 - 2.0 * cosiq - 3.0 * cosq2);
    const double f322 = -1.875 * siniq * (1.0 + 2.0 * cosiq - 3.0 * cosq2);
    const double f441 = 35.0 * sini2 * f220;
    const double f442 = 39.3750 * sini2 * sini2;
    const double f522 = 9.84375 * siniq *
                        (sini2 * (1.0 - 2.0 * cosiq - 5.0 * cosq2) +
                         0.33333333 * (-2.0 + 4.0 * cosiq + 6.0 * cosq2));
    const double f523 = siniq * (4.92187512 * sini2 * (-2.0 - 4.0 * cosiq + 10.0 * cosq2) +
                                 6.56250012 * (1.0 + 2.0 * cosiq - 3.0 * cosq2));
    const double f542 =
        29.53125 * siniq * (2.0 - 8.0 * cosiq + cosq2 * (-12.0 + 8.0 * cosiq + 10.0 * cosq2));
    const double f543 =
        29.53125 * siniq * (-2.0 - 8.0 * cosiq + cosq2 * (12.0 + 8.0 * cosiq - 10.0 * cosq2));
    const double xno2 = d.xnq * d.xnq;
    const double ainv2 = aqnv * aqnv;
    double temp1 = 3.0 * xno2 * ainv2;
    double temp = temp1 * kRoot22;
    d.d2201 = temp * f220 * g201;
    d.d2211 = temp * f221 * g211;
    temp1 = temp1 * aqnv;
    temp = temp1 * kRoot32;
    d.d3210 = temp * f321 * g310;
    d.d3222 = temp * f322 * g322;
    temp1 = temp1 * aqnv;
    temp = 2.0 * temp1 * kRoot44;
    d.d4410 = temp * f441 * g410;
    d.d4422 = temp * f442 * g422;
    temp1 = temp1 * aqnv;
    temp = temp1 * kRoot52;
    d.d5220 = temp * f522 * g520;
    d.d5232 = temp * f523 * g532;
    temp = 2.0 * temp1 * kRoot54;
    d.d5421 = temp * f542 * g521;
    d.d5433 = temp * f543 * g533;
    d.xlamo = d.xmao + set.node + set.node - d.thgr - d.thgr;
    double bfact = in.xlldot + in.xnodot + in.xnodot - kThdt - kThdt;
    bfact = bfact + d.ssl + d.ssh + d.ssh;
    d.xfact = bfact - d.xnq;
}

void InitSynchronousResonance(const CurrentSet& set, const DeepInitInput& in, double aqnv,
                              DeepState& d) {
    const double eqsq = in.eosq, cosiq = in.cosiq, siniq = in.siniq;
    const double g200 = 1.0 + eqsq * (-2.5 + 0.8125 * eqsq);
    const double g310 = 1.0 + 2.0 * eqsq;
    const double g300 = 1.0 + eqsq * (-6.0 + 6.60937 * eqsq);
    const double f220 = 0.75 * (1.0 + cosiq) * (1.0 + cosiq);
    const double f311 = 0.9375 * siniq * siniq * (1.0 + 3.0 * cosiq) - 0.75 * (1.0 + cosiq);
    double f330 = 1.0 + cosiq;
    f330 = 1.875 * f330 * f330 * f330;
    d.del1 = 3.0 * d.xnq * d.xnq * aqnv * aqnv;
    d.del2 = 2.0 * d.del1 * f220 * g200 * kQ22;
    d.del3 = 3.0 * d.del1 * f330 * g300 * kQ33 * aqnv;
    d.del1 = d.del1 * f311 * g310 * kQ31 * aqnv;
    d.fasx2 = 0.13130908;
    d.fasx4 = 2.8843198;
    d.fasx6 = 0.37448087;
    d.xlamo = d.xmao + set.node + set.argumentOfPerigee - d.thgr;
    const double xpidot = in.omgdt + in.xnodot;
    double bfact = in.xlldot + xpidot - kThdt;
    bfact = bfact + d.ssl + d.ssg + d.ssh;
    d.xfact = bfact - d.xnq;
}

// Rates of the resonance integrator at the current step.
struct ResonanceRates {
    double xndot, xnddt, xldot;
};

ResonanceRates RatesAt(const DeepState& d) {
    ResonanceRates r{};
    const double xli = d.xli;
    if (d.isynfl) {
        r.xndot = d.del1 * std::sin(xli - d.fasx2) + d.del2 * std::sin(2.0 * (xli - d.fasx4)) +
                  d.del3 * std::sin(3.0 * (xli - d.fasx6));
        r.xnddt = d.del1 * std::cos(xli - d.fasx2) +
                  2.0 * d.del2 * std::cos(2.0 * (xli - d.fasx4)) +
                  3.0 * d.del3 * std::cos(3.0 * (xli - d.fasx6));
    } else {
        const double xomi = d.omegaq + d.omgdt * d.atime;
        const double x2omi = xomi + xomi;
        const double x2li = xli + xli;
        r.xndot = d.d2201 * std::sin(x2omi + xli - kG22) + d.d2211 * std::sin(xli - kG22) +
                  d.d3210 * std::sin(xomi + xli - kG32) + d.d3222 * std::sin(-xomi + xli - kG32) +
                  d.d4410 * std::sin(x2omi + x2li - kG44) + d.d4422 * std::sin(x2li - kG44) +
                  d.d5220 * std::sin(xomi + xli - kG52) + d.d5232 * std::sin(-xomi + xli - kG52) +
                  d.d5421 * std::sin(xomi + x2li - kG54) + d.d5433 * std::sin(-xomi + x2li - kG54);
        r.xnddt = d.d2201 * std::cos(x2omi + xli - kG22) + d.d2211 * std::cos(xli - kG22) +
                  d.d3210 * std::cos(xomi + xli - kG32) + d.d3222 * std::cos(-xomi + xli - kG32) +
                  d.d5220 * std::cos(xomi + xli - kG52) + d.d5232 * std::cos(-xomi + xli - kG52) +
                  2.0 * (d.d4410 * std::cos(x2omi + x2li - kG44) + d.d4422 * std::cos(x2li - kG44) +
                         d.d5421 * std::cos(xomi + x2li - kG54) +
                         d.d5433 * std::cos(-xomi + x2li - kG54));
    }
    r.xldot = d.xni + d.xfact;
    r.xnddt = r.xnddt * r.xldot;
    return r;
}

void IntegratorStep(DeepState& d, double delt) {
    const ResonanceRates r = RatesAt(d);
    d.xli = d.xli + r.xldot * delt + r.xndot * d.step2;
    d.xni = d.xni + r.xndot * delt + r.xnddt * d.step2;
    d.atime = d.atime + delt;
}

}  // namespace

DeepEpochTerms ComputeDeepEpochTerms(double epoch, int century) {
    DeepEpochTerms e;
    e.century = century;
    e.epoch = epoch;
    const EpochSiderealTime sidereal = SiderealTimeAtEpoch(epoch, century);
    e.thgr = sidereal.theta;
    e.ds50 = sidereal.ds50;

    // Lunar terms for the epoch day.
    const double day = e.ds50 + 18261.5;
    const double xnodce = 4.5236020 - 9.2422029e-4 * day;
    const double stem = std::sin(xnodce);
    const double ctem = std::cos(xnodce);
    e.zcosil = 0.91375164 - 0.03568096 * ctem;
    e.zsinil = std::sqrt(1.0 - e.zcosil * e.zcosil);
    e.zsinhl = 0.089683511 * stem / e.zsinil;
    e.zcoshl = std::sqrt(1.0 - e.zsinhl * e.zsinhl);
    const double c = 4.7199672 + 0.22997150 * day;
    const double gam = 5.8351514 + 0.0019443680 * day;
    e.zmol = ReduceAngle(c - gam);
    double zx = 0.39785416 * stem / e.zsinil;
    const double zy = e.zcoshl * ctem + 0.91744867 * e.zsinhl * stem;
    zx = FullCircleArcTan(zx, zy);
    zx = gam + zx - xnodce;
    e.zcosgl = std::cos(zx);
    e.zsingl = std::sin(zx);
    e.zmos = ReduceAngle(6.2565837 + 0.017201977 * day);
    return e;
}

void DeepInit(const CurrentSet& set, int century, const DeepInitInput& in, DeepState& d) {
    d = DeepState{};
    const DeepEpochTerms epoch =
        set.deepEpoch.century == century && set.deepEpoch.epoch == set.epoch
            ? set.deepEpoch
            : ComputeDeepEpochTerms(set.epoch, century);
    d.thgr = epoch.thgr;
    d.ds50 = epoch.ds50;
    d.eo = set.eccentricity;
    d.xincl = set.inclination;
    d.xnq = in.xnodp;
    const double aqnv = 1.0 / in.ao;
    const double xqncl = set.inclination;
    d.xmao = set.meanAnomaly;
    d.omegaq = set.argumentOfPerigee;
    d.omgdt = in.omgdt;
    d.siniq = in.siniq;
    d.cosiq = in.cosiq;
    const double sinq = std::sin(set.node);
    const double cosq = std::cos(set.node);
    const double zcosil = epoch.zcosil, zsinil = epoch.zsinil;
    const double zsinhl = epoch.zsinhl, zcoshl = epoch.zcoshl;
    const double zcosgl = epoch.zcosgl, zsingl = epoch.zsingl;
    d.zmol = epoch.zmol;
    d.zmos = epoch.zmos;

    d.savtsn = 1.0e20;
    const double xnoi = 1.0 / d.xnq;
    const BodyGeometry sun{kZcosgs, kZsings, kZcosis, kZsinis, cosq, sinq, kC1ss, kZns, kZes};
    const BodyTerms s = ComputeBodyTerms(sun, in, d.eo, xnoi, xqncl);
    const BodyGeometry moon{zcosgl,
                            zsingl,
                            zcosil,
                            zsinil,
                            zcoshl * cosq + zsinhl * sinq,
                            sinq * zcoshl - cosq * zsinhl,
                            kC1l,
                            kZnl,
                            kZel};
    const BodyTerms m = ComputeBodyTerms(moon, in, d.eo, xnoi, xqncl);

    d.sse = s.se + m.se;
    d.ssi = s.si + m.si;
    d.ssl = s.sl + m.sl;
    const double sshSun = s.sh / in.siniq;
    d.ssg = s.sgh - in.cosiq * sshSun + m.sgh - in.cosiq / in.siniq * m.sh;
    d.ssh = sshSun + m.sh / in.siniq;
    d.se2 = s.ee2, d.si2 = s.xi2, d.sl2 = s.xl2, d.sgh2 = s.xgh2, d.sh2 = s.xh2;
    d.se3 = s.e3, d.si3 = s.xi3, d.sl3 = s.xl3, d.sgh3 = s.xgh3, d.sh3 = s.xh3;
    d.sl4 = s.xl4, d.sgh4 = s.xgh4;
    d.ee2 = m.ee2, d.e3 = m.e3, d.xi2 = m.xi2, d.xi3 = m.xi3, d.xl2 = m.xl2, d.xl3 = m.xl3;
    d.xl4 = m.xl4, d.xgh2 = m.xgh2, d.xgh3 = m.xgh3, d.xgh4 = m.xgh4, d.xh2 = m.xh2;
    d.xh3 = m.xh3;

    // Geopotential resonance for synchronous and 12-hour orbits.
    d.iresfl = false;
    d.isynfl = false;
    if (d.xnq < 0.0052359877 && d.xnq > 0.0034906585) {
        d.iresfl = true;
        d.isynfl = true;
        InitSynchronousResonance(set, in, aqnv, d);
    } else if (d.xnq >= 8.26e-3 && d.xnq <= 9.24e-3 && d.eo >= 0.5) {
        d.iresfl = true;
        InitHalfDayResonance(set, in, aqnv, d);
    } else {
        return;
    }
    d.xli = d.xlamo;
    d.xni = d.xnq;
    d.atime = 0.0;
    d.stepp = 720.0;
    d.stepn = -720.0;
    d.step2 = 259200.0;
}

bool DeepSecular(DeepState& d, double& xll, double& omgasm, double& xnodes, double& em,
                 double& xinc, double& xn, double t) {
    d.t = t;
    xll = xll + d.ssl * t;
    omgasm = omgasm + d.ssg * t;
    xnodes = xnodes + d.ssh * t;
    em = d.eo + d.sse * t;
    xinc = d.xincl + d.ssi * t;
    if (xinc < 0.0) {
        xinc = -xinc;
        xnodes = xnodes + kPi;
        omgasm = omgasm - kPi;
    }
    if (!d.iresfl)
        return true;

    long steps = 0;
    double delt = 0.0;
    // Walk back towards the epoch while the last integration overshot, or
    // restart at the epoch when the sign of t changed.
    for (;;) {
        const bool restart =
            d.atime == 0.0 || (t >= 0.0 && d.atime < 0.0) || (t < 0.0 && d.atime >= 0.0);
        if (restart) {
            delt = t >= 0.0 ? d.stepp : d.stepn;
            d.atime = 0.0;
            d.xni = d.xnq;
            d.xli = d.xlamo;
            break;
        }
        if (std::fabs(t) >= std::fabs(d.atime)) {
            delt = t > 0.0 ? d.stepp : d.stepn;
            break;
        }
        delt = t >= 0.0 ? d.stepn : d.stepp;
        IntegratorStep(d, delt);
        if (++steps > kMaxIntegratorSteps)
            return false;
    }
    while (std::fabs(t - d.atime) >= d.stepp) {
        IntegratorStep(d, delt);
        if (++steps > kMaxIntegratorSteps)
            return false;
    }
    const double ft = t - d.atime;
    const ResonanceRates r = RatesAt(d);
    xn = d.xni + r.xndot * ft + r.xnddt * ft * ft * 0.5;
    const double xl = d.xli + r.xldot * ft + r.xndot * ft * ft * 0.5;
    const double temp = -xnodes + d.thgr + t * kThdt;
    xll = xl - omgasm + temp;
    if (!d.isynfl)
        xll = xl + temp + temp;
    return true;
}

void DeepPeriodic(DeepState& d, double& em, double& xinc, double& omgasm, double& xnodes,
                  double& xll) {
    const double sinis = std::sin(xinc);
    const double cosis = std::cos(xinc);
    // The periodics change slowly; within 30 minutes the last ones stand.
    if (std::fabs(d.savtsn - d.t) >= 30.0) {
        d.savtsn = d.t;
        double zm = d.zmos + kZns * d.t;
        double zf = zm + 2.0 * kZes * std::sin(zm);
        double sinzf = std::sin(zf);
        double f2 = 0.5 * sinzf * sinzf - 0.25;
        double f3 = -0.5 * sinzf * std::cos(zf);
        const double ses = d.se2 * f2 + d.se3 * f3;
        const double sis = d.si2 * f2 + d.si3 * f3;
        const double sls = d.sl2 * f2 + d.sl3 * f3 + d.sl4 * sinzf;
        d.sghs = d.sgh2 * f2 + d.sgh3 * f3 + d.sgh4 * sinzf;
        d.shs = d.sh2 * f2 + d.sh3 * f3;
        zm = d.zmol + kZnl * d.t;
        zf = zm + 2.0 * kZel * std::sin(zm);
        sinzf = std::sin(zf);
        f2 = 0.5 * sinzf * sinzf - 0.25;
        f3 = -0.5 * sinzf * std::cos(zf);
        const double sel = d.ee2 * f2 + d.e3 * f3;
        const double sil = d.xi2 * f2 + d.xi3 * f3;
        const double sll = d.xl2 * f2 + d.xl3 * f3 + d.xl4 * sinzf;
        d.sghl = d.xgh2 * f2 + d.xgh3 * f3 + d.xgh4 * sinzf;
        d.shl = d.xh2 * f2 + d.xh3 * f3;
        d.pe = ses + sel;
        d.pinc = sis + sil;
        d.pl = sls + sll;
    }
    double pgh = d.sghs + d.sghl;
    double ph = d.shs + d.shl;
    xinc = xinc + d.pinc;
    em = em + d.pe;

    if (d.xincl >= 0.2) {
        ph = ph / d.siniq;
        pgh = pgh - d.cosiq * ph;
        omgasm = omgasm + pgh;
        xnodes = xnodes + ph;
        xll = xll + d.pl;
        return;
    }
    // Low inclination: apply the periodics to the node through the
    // nonsingular variables (Lyddane).
    const double sinok = std::sin(xnodes);
    const double cosok = std::cos(xnodes);
    double alfdp = sinis * sinok;
    double betdp = sinis * cosok;
    const double dalf = ph * cosok + d.pinc * cosis * sinok;
    const double dbet = -ph * sinok + d.pinc * cosis * cosok;
    alfdp = alfdp + dalf;
    betdp = betdp + dbet;
    double xls = xll + omgasm + cosis * xnodes;
    const double dls = d.pl + pgh - d.pinc * xnodes * sinis;
    xls = xls + dls;
    xnodes = FullCircleArcTan(alfdp, betdp);
    xll = xll + d.pl;
    omgasm = xls - xll - std::cos(xinc) * xnodes;
}

}  // namespace orbit::models
