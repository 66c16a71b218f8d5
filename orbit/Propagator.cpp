// Propagation: refusing faulty sets and times too far from epoch, choosing the near-Earth or
// deep-space model, initialising it only when the set asks, and checking the output is finite.
#include "orbit/Propagator.h"
#include "orbit/VectorState.h"

#include <cmath>

#include "orbit/Models.h"
#include "orbit/OrbitConstants.h"

namespace orbit {
namespace {

// About 190 years either side of the epoch; beyond that no set means anything.
constexpr double kMaxMinutesFromEpoch = 1.0e8;

PropagationFailure FailureOf(ElementFault fault) {
    switch (fault) {
        case ElementFault::EccentricityOutOfRange:
            return PropagationFailure::EccentricityOutOfRange;
        case ElementFault::MeanMotionNotPositive:
            return PropagationFailure::MeanMotionNotPositive;
        case ElementFault::None:
            break;
    }
    return PropagationFailure::None;
}

bool AllFinite(const Vector3& v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

}  // namespace

PropagationResult Propagator::Propagate(CurrentSet& set, ModelChoice choice, double jd) {
    return PropagateMinutes(set, choice, (jd - set.epochJulianDate) * kXmnpda);
}

PropagationResult Propagator::PropagateMinutes(CurrentSet& set, ModelChoice choice, double tsince) {
    ClearUpperVectorState();
    PropagationResult result;
    result.tsince = tsince;
    if (set.fault != ElementFault::None) {
        result.failure = FailureOf(set.fault);
        return result;
    }
    if (!std::isfinite(tsince) || std::fabs(tsince) > kMaxMinutesFromEpoch) {
        result.failure = PropagationFailure::TimeOutOfRange;
        return result;
    }
    const bool initialise = set.initialiseFlag != 0;
    set.initialiseFlag = 0;
    const bool deep = set.deepSpaceFlag != 0;
    models::ModelOutput out;
    if (choice == ModelChoice::Sgp8) {
        if (deep) {
            if (initialise)
                models::InitSdp8(set, EpochCentury(set), sdp8_);
            out = models::RunSdp8(set, sdp8_, tsince);
        } else {
            if (initialise)
                models::InitSgp8(set, sgp8_);
            out = models::RunSgp8(set, sgp8_, tsince);
        }
    } else {
        if (deep) {
            if (initialise)
                models::InitSdp4(set, EpochCentury(set), sdp4_);
            out = models::RunSdp4(set, sdp4_, tsince);
        } else {
            if (initialise)
                models::InitSgp4(set, sgp4_);
            out = models::RunSgp4(set, sgp4_, tsince);
        }
    }
    if (out.failure == PropagationFailure::None &&
        !(AllFinite(out.position) && AllFinite(out.velocity)))
        out.failure = PropagationFailure::NumericFailure;
    if (out.failure != PropagationFailure::None) {
        result.failure = out.failure;
        return result;
    }
    const double kmPerMinute = kXkmper / 60.0;
    const Vector3 p{out.position[0] * kXkmper, out.position[1] * kXkmper,
                    out.position[2] * kXkmper};
    const Vector3 v{out.velocity[0] * kmPerMinute, out.velocity[1] * kmPerMinute,
                    out.velocity[2] * kmPerMinute};
    result.position = {p[0], p[1], p[2], VectorMagnitude(p)};
    result.velocity = {v[0], v[1], v[2], VectorMagnitude(v)};
    result.ok = true;
    return result;
}

std::string_view FailureReason(PropagationFailure failure) {
    switch (failure) {
        case PropagationFailure::None:
            return "none";
        case PropagationFailure::MeanMotionNotPositive:
            return "mean-motion-not-positive";
        case PropagationFailure::EccentricityOutOfRange:
            return "eccentricity-out-of-range";
        case PropagationFailure::Decayed:
            return "decayed";
        case PropagationFailure::NumericFailure:
            return "numeric-failure";
        case PropagationFailure::TimeOutOfRange:
            return "time-out-of-range";
        case PropagationFailure::NoSet:
            return "no-set";
    }
    return "unknown";
}

}  // namespace orbit
