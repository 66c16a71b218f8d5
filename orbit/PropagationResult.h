#pragma once
// What Propagate hands back: km and km/s with magnitudes, or why it could not.

#include <string_view>

namespace orbit {

enum class PropagationFailure {
    None,
    MeanMotionNotPositive,   // found at conversion
    EccentricityOutOfRange,  // at conversion, or drag drove it out
    Decayed,                 // the position at that instant is inside the Earth
    NumericFailure,          // a non-finite value came out
    TimeOutOfRange,          // tsince not finite or absurdly far
    NoSet,                   // nothing selected
};

// Short token for logs and the command-line tool.
std::string_view FailureReason(PropagationFailure failure);

struct OrbitVector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double magnitude = 0.0;
};

struct PropagationResult {
    bool ok = false;
    PropagationFailure failure = PropagationFailure::None;
    double tsince = 0.0;   // minutes from the epoch
    OrbitVector position;  // km
    OrbitVector velocity;  // km/s
};

}  // namespace orbit
