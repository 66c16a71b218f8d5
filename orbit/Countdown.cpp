// Finding each satellite's next rise or set across the countdown elevation and the top of its
// pass.
#include "orbit/Countdown.h"

#include <algorithm>

namespace orbit {
namespace {

bool Crossed(double before, double after, double level) {
    return (before > level && level > after) || (before < level && level < after);
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
        entry.maxElevation = el0;
        double prev = el0;
        bool culminationPending = true;
        while (t <= limit) {
            const double kept = t;
            t += s;
            sample = lookAt(t);
            if (!sample.ok)
                return CountdownEntry{};
            entry.maxElevation = std::max(entry.maxElevation, sample.elevation);
            if (culminationPending && prev > sample.elevation) {
                t = kept;
                s /= 12.0;
                do {
                    t += s;
                    sample = lookAt(t);
                    if (!sample.ok)
                        return CountdownEntry{};
                    entry.maxElevation = std::max(entry.maxElevation, sample.elevation);
                } while (sample.elevation >= prev && t <= limit);
                s *= 5.0;
                culminationPending = false;
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
    const double topLimit = t + kLosSearchDays;
    while (t < topLimit) {
        const double kept = t;
        t += s;
        sample = lookAt(t);
        if (!sample.ok)
            break;
        entry.maxElevation = std::max(entry.maxElevation, sample.elevation);
        if (sample.elevation >= prev) {
            prev = sample.elevation;
            continue;
        }
        t = kept;
        s *= kStepFactor;
        if (++refinements == kRefinements)
            break;
    }
    return entry;
}

}  // namespace orbit
