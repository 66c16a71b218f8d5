// Finding each satellite's next rise or set across the countdown elevation and the top of its
// pass.
#include "orbit/Countdown.h"

#include <algorithm>

namespace orbit {
namespace {

bool Crossed(double before, double after, double level) {
    return (before > level && level > after) || (before < level && level < after);
}

// The best point seen on the way to the top.
void Note(PassPoint& best, double t, const LookSample& sample) {
    if (sample.elevation > best.elevation)
        best = {t, sample.azimuth, sample.elevation};
}

}  // namespace

CountdownEntry ComputeCountdownEntry(double now, double meanMotionRevPerDay, double semiMajorAxis,
                                     double minElevation, const LookAtFunction& lookAt) {
    CountdownEntry entry;
    if (IsGeostationary(meanMotionRevPerDay))
        return entry;
    const double coarse = CoarseStep(semiMajorAxis);
    double s = coarse;
    double t = now;
    LookSample sample = lookAt(t);
    if (!sample.ok)
        return entry;
    const double el0 = sample.elevation;
    int refinements = 0;

    if (el0 > minElevation) {
        // Up now: find when it drops below the countdown elevation, and its top on the way.
        const double limit = now + kLosSearchDays;
        PassPoint best{t, sample.azimuth, el0};
        double prev = el0;
        bool culminationPending = true;
        while (t <= limit) {
            const double kept = t;
            t += s;
            sample = lookAt(t);
            if (!sample.ok)
                return CountdownEntry{};
            Note(best, t, sample);
            if (culminationPending && prev > sample.elevation) {
                t = kept;
                s /= 12.0;
                do {
                    t += s;
                    sample = lookAt(t);
                    if (!sample.ok)
                        return CountdownEntry{};
                    Note(best, t, sample);
                } while (sample.elevation >= prev && t <= limit);
                s *= 5.0;
                culminationPending = false;
                best.elevation = TopNear(lookAt, best, coarse, now).elevation;
            } else if (Crossed(prev, sample.elevation, minElevation)) {
                t = kept;
                s *= kStepFactor;
                if (++refinements == kRefinements)
                    break;
            } else {
                prev = sample.elevation;
            }
        }
        entry.time = t + kThirtySeconds;
        entry.status = CountdownStatus::Up;
        entry.maxElevation = best.elevation;
        return entry;
    }

    const double limit = now + kAosSearchDays;
    double prev = el0;
    for (;;) {
        const double kept = t;
        t += s;
        sample = lookAt(t);
        if (!sample.ok)
            return CountdownEntry{};
        if (Crossed(prev, sample.elevation, minElevation)) {
            t = kept;
            s *= kStepFactor;
            if (++refinements == kRefinements)
                break;
            continue;
        }
        if (t > limit)
            return CountdownEntry{};
        prev = sample.elevation;
    }
    entry.time = t;
    entry.status = CountdownStatus::Rising;

    // The top of the coming pass, climbing as the pass search does.
    s = coarse;
    prev = 0.0;
    refinements = 0;
    const double rise = t;
    PassPoint best{t, 0.0, 0.0};
    const double topLimit = t + kLosSearchDays;
    while (t < topLimit) {
        const double kept = t;
        t += s;
        sample = lookAt(t);
        if (!sample.ok)
            break;
        Note(best, t, sample);
        if (sample.elevation >= prev) {
            prev = sample.elevation;
            continue;
        }
        t = kept;
        s *= kStepFactor;
        if (++refinements == kRefinements) {
            best.elevation = TopNear(lookAt, best, coarse, rise).elevation;
            break;
        }
    }
    entry.maxElevation = best.elevation;
    return entry;
}

}  // namespace orbit
