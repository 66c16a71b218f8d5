#pragma once

// Initialised state of each model family. Each lives in the Propagator, one
// satellite at a time, and is rebuilt from scratch whenever a set is
// selected, so nothing leaks from one set to the next.
namespace orbit {

struct Sgp4State {
    bool isimp = false;
    double aodp = 0, aycof = 0, c1 = 0, c4 = 0, c5 = 0, cosio = 0, d2 = 0, d3 = 0, d4 = 0;
    double delmo = 0, eta = 0, omgcof = 0, omgdot = 0, sinio = 0, xnodp = 0, sinmo = 0;
    double t2cof = 0, t3cof = 0, t4cof = 0, t5cof = 0, x1mth2 = 0, x3thm1 = 0, x7thm1 = 0;
    double xmcof = 0, xmdot = 0, xnodcf = 0, xnodot = 0, xlcof = 0;
};

// DEEP's lunar-solar and resonance terms. The secular and periodic steps
// read values of the initialisation (omgdt, siniq, cosiq) and the time of
// the last secular step (t); they are kept here rather than borrowed.
struct DeepState {
    // Copies of the elements and of the caller's initial values.
    double eo = 0, xincl = 0, omegaq = 0, xnq = 0, xmao = 0, omgdt = 0, siniq = 0, cosiq = 0;
    double thgr = 0, ds50 = 0;
    // Secular rates.
    double sse = 0, ssi = 0, ssl = 0, ssg = 0, ssh = 0;
    // Solar and lunar periodic coefficients.
    double se2 = 0, si2 = 0, sl2 = 0, sgh2 = 0, sh2 = 0, se3 = 0, si3 = 0, sl3 = 0, sgh3 = 0,
           sh3 = 0, sl4 = 0, sgh4 = 0;
    double ee2 = 0, e3 = 0, xi2 = 0, xi3 = 0, xl2 = 0, xl3 = 0, xl4 = 0, xgh2 = 0, xgh3 = 0,
           xgh4 = 0, xh2 = 0, xh3 = 0;
    double zmol = 0, zmos = 0;
    // Resonance.
    bool iresfl = false, isynfl = false;
    double d2201 = 0, d2211 = 0, d3210 = 0, d3222 = 0, d4410 = 0, d4422 = 0, d5220 = 0, d5232 = 0,
           d5421 = 0, d5433 = 0;
    double del1 = 0, del2 = 0, del3 = 0, fasx2 = 0, fasx4 = 0, fasx6 = 0;
    double xlamo = 0, xfact = 0, stepp = 0, stepn = 0, step2 = 0;
    // Carried between calls for the same set.
    double xli = 0, xni = 0, atime = 0;
    double savtsn = 0, pe = 0, pinc = 0, pl = 0, sghs = 0, sghl = 0, shs = 0, shl = 0;
    double t = 0;
};

struct Sdp4State {
    double aodp = 0, aycof = 0, c1 = 0, c4 = 0, cosio = 0, sinio = 0, omgdot = 0, xnodp = 0;
    double t2cof = 0, x1mth2 = 0, x3thm1 = 0, x7thm1 = 0, xmdot = 0, xnodcf = 0, xnodot = 0,
           xlcof = 0;
    DeepState deep;
};

// Values SGP8 and SDP8 both keep.
struct Sgp8Common {
    double xnodp = 0, xlldot = 0, omgdt = 0, xnodot = 0, xmdt1 = 0, xgdt1 = 0, xhdt1 = 0;
    double cosi = 0, sini = 0, theta2 = 0, tthmun = 0, unm5th = 0, unmth2 = 0;
    double sinio2 = 0, cosio2 = 0, a3cof = 0, xndt = 0, edot = 0;
};

struct Sgp8State {
    Sgp8Common c;
    bool isimp = false;
    double xnd = 0, ed = 0, gamma = 0, pp = 0, qq = 0, ovgpp = 0;
};

struct Sdp8State {
    Sgp8Common c;
    DeepState deep;
};

}  // namespace orbit
