#pragma once

// The program's own π for everything the operator sees (degrees on screen, squint, sun,
// map). It is the short value the displays were always computed with; the orbit models
// keep the long one in OrbitConstants.h.
namespace orbit {

inline constexpr double kProgramPi = 3.1415928;
inline constexpr double kProgramDegree = kProgramPi / 180.0;  // radians per degree

constexpr double ToProgramDegrees(double radians) {
    return radians / kProgramDegree;
}
constexpr double ToProgramRadians(double degrees) {
    return degrees * kProgramDegree;
}

}  // namespace orbit
