// The numeric helpers: powers of positive bases, remainders that are never negative,
// quadrant-aware arc tangents, a bounded arc sine, degree conversion and small vector sums.
#include "orbit/NumericHelpers.h"

#include <cmath>
#include <iostream>

#include "orbit/OrbitConstants.h"

namespace orbit {

double Power(double base, double exponent) {
    // Standard error, never standard output: a command's output stays parseable.
    if (base <= 0.0) {
        std::cerr << "Invalid argument in Function Power!\n";
        return 0.0;
    }
    return std::exp(exponent * std::log(base));
}

double Remainder(double x, double m) {
    double r = x - m * std::trunc(x / m);
    if (r < 0.0)
        r += m;
    return r;
}

double ReduceAngle(double x) {
    return Remainder(x, kTwoPi);
}

double QuadrantArcTan(double sinValue, double cosValue) {
    if (cosValue == 0.0)
        return sinValue > 0.0 ? kPi / 2.0 : 3.0 * kPi / 2.0;
    if (cosValue > 0.0)
        return std::atan(sinValue / cosValue);
    return std::atan(sinValue / cosValue) + kPi;
}

double FullCircleArcTan(double sinValue, double cosValue) {
    double a = QuadrantArcTan(sinValue, cosValue);
    return a < 0.0 ? a + kTwoPi : a;
}

double BoundedArcSin(double x) {
    if (std::fabs(x) >= 1.0)
        return x > 0.0 ? kPi / 2.0 : -kPi / 2.0;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double ToRadians(double degrees) {
    return degrees * kPi / 180.0;
}
double ToDegrees(double radians) {
    return radians * 180.0 / kPi;
}

double VectorMagnitude(const Vector3& v) {
    return std::sqrt(DotProduct(v, v));
}

double DotProduct(const Vector3& a, const Vector3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

}  // namespace orbit
