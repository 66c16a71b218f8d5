#pragma once
// The four models and DEEP, in model units: Earth radii and Earth radii per
// minute. Internal to orbit/; everything else goes through Propagator.

#include "orbit/ElementSet.h"
#include "orbit/ModelState.h"
#include "orbit/NumericHelpers.h"
#include "orbit/PropagationResult.h"

namespace orbit::models {

struct ModelOutput {
    Vector3 position{};
    Vector3 velocity{};
    PropagationFailure failure = PropagationFailure::None;
};

void InitSgp4(const CurrentSet& set, Sgp4State& s);
ModelOutput RunSgp4(const CurrentSet& set, const Sgp4State& s, double tsince);

void InitSdp4(const CurrentSet& set, int century, Sdp4State& s);
ModelOutput RunSdp4(const CurrentSet& set, Sdp4State& s, double tsince);

void InitSgp8(const CurrentSet& set, Sgp8State& s);
ModelOutput RunSgp8(const CurrentSet& set, const Sgp8State& s, double tsince);

void InitSdp8(const CurrentSet& set, int century, Sdp8State& s);
ModelOutput RunSdp8(const CurrentSet& set, Sdp8State& s, double tsince);

// The inclination the model set-ups take their sines and cosines from. Terms there divide by
// sin i, 1 + cos i and cos(i/2), so an orbit lying exactly in the equator (either way round)
// is set up as one 0.0001 degree out of it: legal sets propagate, and the result joins on to
// that of their neighbours. Other inclinations pass unchanged.
double SetupInclination(double inclination);

// How SGP4 and SGP8 both begin (RecoveredMotion, ElementSet.h): the set's own copy when it
// was made from these elements, else worked out here.
RecoveredMotion RecoverMeanMotion(const CurrentSet& set);
RecoveredMotionCache ComputeRecoveredMotion(double meanMotion, double inclination,
                                            double eccentricity);

// SGP8/SDP8 initialisation shared by both, up to the mean motion rate.
// Returns the drag-to-mean-motion ratio the models branch on; the other
// intermediate values go to `out`.
struct Sgp8Init {
    double eosq, betao, betao2, aodp, sing, cosg, cos2g, eta, eta2, eeta, psim2, alpha2, tsi, po;
    double d1, d2, d3, d4, d5, b1, b2, b3, c0, c1, c4, c5, xndtn;
};
Sgp8Init InitSgp8Common(const CurrentSet& set, double rho, Sgp8Common& c);

// SGP8/SDP8 after the secular update: a mean motion that fell to zero means decay, an
// eccentricity outside [-0.001, 1) cannot be solved.
PropagationFailure CheckSgp8Motion(double xn, double em);

// SGP8/SDP8 short-period terms and orientation after Kepler's equation.
ModelOutput Sgp8Periodics(const Sgp8Common& c, double xn, double em, double omgasm, double xnodes,
                          double xmam, double sinHalfI, double sine, double cose, double zc5);

// SGP4/SDP4 long-period and short-period terms and orientation.
struct Sgp4TailInput {
    double a, e, omega, xl, xnode, xinc, cosio, sinio, x3thm1, x1mth2, x7thm1, xlcof, aycof;
};
ModelOutput Sgp4Periodics(const Sgp4TailInput& in);
// The short-period terms use the factors of the inclination at epoch, which the SGP4 and the
// SDP4 state both keep under the same names.
template <typename ModelState>
void TakeEpochFactors(const ModelState& s, Sgp4TailInput& tail) {
    tail.cosio = s.cosio;
    tail.sinio = s.sinio;
    tail.x3thm1 = s.x3thm1;
    tail.x1mth2 = s.x1mth2;
    tail.x7thm1 = s.x7thm1;
    tail.xlcof = s.xlcof;
    tail.aycof = s.aycof;
}

// DEEP: lunar-solar perturbations and resonance.
struct DeepInitInput {
    double eosq, siniq, cosiq, rteqsq, ao, cosq2, sinomo, cosomo, bsq, xlldot, omgdt, xnodot, xnodp;
};
void DeepInit(const CurrentSet& set, int century, const DeepInitInput& in, DeepState& d);
// The epoch's part of DeepInit; DeepInit uses the set's copy when it was made for `century`.
DeepEpochTerms ComputeDeepEpochTerms(double epoch, int century);
// False when the resonance integration would not end (time far off).
bool DeepSecular(DeepState& d, double& xll, double& omgasm, double& xnodes, double& em,
                 double& xinc, double& xn, double t);
void DeepPeriodic(DeepState& d, double& em, double& xinc, double& omgasm, double& xnodes,
                  double& xll);

}  // namespace orbit::models
