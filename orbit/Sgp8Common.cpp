// Initialisation and periodic terms shared by SGP8 and SDP8.
#include <algorithm>
#include <cmath>

#include "orbit/Models.h"
#include "orbit/OrbitConstants.h"

namespace orbit::models {

PropagationFailure CheckSgp8Motion(double xn, double em) {
    if (!(xn > 0.0)) {
        return PropagationFailure::Decayed;
    }
    if (!(em < 1.0) || !(em > -0.001)) {
        return PropagationFailure::EccentricityOutOfRange;
    }
    return PropagationFailure::None;
}

Sgp8Init InitSgp8Common(const CurrentSet& set, double rho, Sgp8Common& c) {
    Sgp8Init v{};
    const double eo = set.eccentricity, xincl = SetupInclination(set.inclination);
    // Original mean motion and semi-major axis; ballistic coefficient from B*.
    const RecoveredMotion r = RecoverMeanMotion(set);
    c.cosi = r.cosio;
    c.theta2 = r.theta2;
    c.tthmun = r.x3thm1;
    v.eosq = r.eosq;
    v.betao2 = r.betao2;
    v.betao = r.betao;
    v.aodp = r.aodp;
    c.xnodp = r.xnodp;
    const double b = 2.0 * set.dragTerm / rho;

    v.po = v.aodp * v.betao2;
    const double pom2 = 1.0 / (v.po * v.po);
    c.sini = std::sin(xincl);
    v.sing = std::sin(set.argumentOfPerigee);
    v.cosg = std::cos(set.argumentOfPerigee);
    const double temp = 0.5 * xincl;
    c.sinio2 = std::sin(temp);
    // The short-period terms divide by cos(i/2) (and by 1 + cos i, which is 2 cos^2(i/2)).
    // Within about a degree of 180 they would tilt the orbit by more than it has room for and
    // the orientation would come out NaN; there cos(i/2) is held at its value for 178.85.
    constexpr double kMinCosHalfInclination = 0.01;
    c.cosio2 = std::max(std::cos(temp), kMinCosHalfInclination);
    const double theta4 = c.theta2 * c.theta2;
    c.unm5th = 1.0 - 5.0 * c.theta2;
    c.unmth2 = 1.0 - c.theta2;
    c.a3cof = -kXj3 / kCk2 * kAe * kAe * kAe;
    const double pardt1 = 3.0 * kCk2 * pom2 * c.xnodp;
    const double pardt2 = pardt1 * kCk2 * pom2;
    const double pardt4 = 1.25 * kCk4 * pom2 * pom2 * c.xnodp;
    c.xmdt1 = 0.5 * pardt1 * v.betao * c.tthmun;
    c.xgdt1 = -0.5 * pardt1 * c.unm5th;
    c.xhdt1 = -pardt1 * c.cosi;
    c.xlldot =
        c.xnodp + c.xmdt1 + 0.0625 * pardt2 * v.betao * (13.0 - 78.0 * c.theta2 + 137.0 * theta4);
    c.omgdt = c.xgdt1 + 0.0625 * pardt2 * (7.0 - 114.0 * c.theta2 + 395.0 * theta4) +
              pardt4 * (3.0 - 36.0 * c.theta2 + 49.0 * theta4);
    c.xnodot =
        c.xhdt1 +
        (0.5 * pardt2 * (4.0 - 19.0 * c.theta2) + 2.0 * pardt4 * (3.0 - 7.0 * c.theta2)) * c.cosi;
    v.tsi = 1.0 / (v.po - kS);
    v.eta = eo * kS * v.tsi;
    v.eta2 = v.eta * v.eta;
    v.psim2 = std::fabs(1.0 / (1.0 - v.eta2));
    v.alpha2 = 1.0 + v.eosq;
    v.eeta = eo * v.eta;
    v.cos2g = 2.0 * v.cosg * v.cosg - 1.0;
    v.d5 = v.tsi * v.psim2;
    v.d1 = v.d5 / v.po;
    v.d2 = 12.0 + v.eta2 * (36.0 + 4.5 * v.eta2);
    v.d3 = v.eta2 * (15.0 + 2.5 * v.eta2);
    v.d4 = v.eta * (5.0 + 3.75 * v.eta2);
    v.b1 = kCk2 * c.tthmun;
    v.b2 = -kCk2 * c.unmth2;
    v.b3 = c.a3cof * c.sini;
    const double tsi2 = v.tsi * v.tsi;
    v.c0 = 0.5 * b * rho * kQoms2t * c.xnodp * v.aodp * tsi2 * tsi2 * Power(v.psim2, 3.5) /
           std::sqrt(v.alpha2);
    v.c1 = 1.5 * c.xnodp * v.alpha2 * v.alpha2 * v.c0;
    v.c4 = v.d1 * v.d3 * v.b2;
    v.c5 = v.d5 * v.d4 * v.b3;
    c.xndt =
        v.c1 *
        ((2.0 + v.eta2 * (3.0 + 34.0 * v.eosq) + 5.0 * v.eeta * (4.0 + v.eta2) + 8.5 * v.eosq) +
         v.d1 * v.d2 * v.b1 + v.c4 * v.cos2g + v.c5 * v.sing);
    v.xndtn = c.xndt / c.xnodp;
    return v;
}

ModelOutput Sgp8Periodics(const Sgp8Common& c, double xn, double em, double omgasm, double xnodes,
                          double xmam, double sinHalfI, double sine, double cose, double zc5) {
    ModelOutput out;
    const double am = Power(kXke / xn, kTothrd);
    const double beta2m = 1.0 - em * em;
    const double sinos = std::sin(omgasm);
    const double cosos = std::cos(omgasm);
    const double axnm = em * cosos;
    const double aynm = em * sinos;
    const double pm = am * beta2m;
    const double g1 = 1.0 / pm;
    const double g2 = 0.5 * kCk2 * g1;
    const double g3 = g2 * g1;
    const double beta = std::sqrt(beta2m);
    const double g4 = 0.25 * c.a3cof * c.sini;
    const double g5 = 0.25 * c.a3cof * g1;
    const double snf = beta * sine * zc5;
    const double csf = (cose - em) * zc5;
    const double fm = FullCircleArcTan(snf, csf);
    const double snfg = snf * cosos + csf * sinos;
    const double csfg = csf * cosos - snf * sinos;
    const double sn2f2g = 2.0 * snfg * csfg;
    const double cs2f2g = 2.0 * csfg * csfg - 1.0;
    const double ecosf = em * csf;
    const double g10 = fm - xmam + em * snf;
    const double rm = pm / (1.0 + ecosf);
    const double aovr = am / rm;
    const double g13 = xn * aovr;
    const double g14 = -g13 * aovr;
    const double dr = g2 * (c.unmth2 * cs2f2g - 3.0 * c.tthmun) - g4 * snfg;
    const double diwc = 3.0 * g3 * c.sini * cs2f2g - g5 * aynm;
    const double di = diwc * c.cosi;

    // Short-period periodics.
    const double sni2du =
        c.sinio2 * (g3 * (0.5 * (1.0 - 7.0 * c.theta2) * sn2f2g - 3.0 * c.unm5th * g10) -
                    g5 * c.sini * csfg * (2.0 + ecosf)) -
        0.5 * g5 * c.theta2 * axnm / c.cosio2;
    const double xlamb = fm + omgasm + xnodes +
                         g3 * (0.5 * (1.0 + 6.0 * c.cosi - 7.0 * c.theta2) * sn2f2g -
                               3.0 * (c.unm5th + 2.0 * c.cosi) * g10) +
                         g5 * (c.cosi * axnm * c.sinio2 / c.cosio2 - c.sini * (2.0 + ecosf) * csfg);
    const double y4 = sinHalfI * snfg + csfg * sni2du + 0.5 * snfg * c.cosio2 * di;
    const double y5 = sinHalfI * csfg - snfg * sni2du + 0.5 * csfg * c.cosio2 * di;
    const double r = rm + dr;
    const double rdot =
        xn * am * em * snf / beta + g14 * (2.0 * g2 * c.unmth2 * sn2f2g + g4 * csfg);
    const double rvdot = xn * am * am * beta / rm + g14 * dr + am * g13 * c.sini * diwc;

    // Orientation vectors.
    const double snlamb = std::sin(xlamb);
    const double cslamb = std::cos(xlamb);
    double temp = 2.0 * (y5 * snlamb - y4 * cslamb);
    const double ux = y4 * temp + cslamb;
    const double vx = y5 * temp - snlamb;
    temp = 2.0 * (y5 * cslamb + y4 * snlamb);
    const double uy = -y4 * temp + snlamb;
    const double vy = -y5 * temp + cslamb;
    // y4, y5 carry sin(i/2); in a retrograde equatorial orbit the perturbations can lift it
    // just past 1, which is the orbit at 180 degrees, not a root of a negative number.
    temp = 2.0 * std::sqrt(std::max(0.0, 1.0 - y4 * y4 - y5 * y5));
    const double uz = y4 * temp;
    const double vz = y5 * temp;

    out.position = {r * ux, r * uy, r * uz};
    out.velocity = {rdot * ux + rvdot * vx, rdot * uy + rvdot * vy, rdot * uz + rvdot * vz};
    if (r < 1.0)
        out.failure = PropagationFailure::Decayed;
    return out;
}

}  // namespace orbit::models
