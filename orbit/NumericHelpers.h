#pragma once
// Small numeric helpers shared by the orbit models and the look-angle code.

#include <array>

namespace orbit {

using Vector3 = std::array<double, 3>;

// exp(exponent * ln base). A base <= 0 has no real power here and gives 0;
// callers that can meet such a base check it before (non-physical sets never
// reach the models).
double Power(double base, double exponent);

// x - m * trunc(x / m), shifted into [0, m).
double Remainder(double x, double m);

// Angle reduced into [0, 2π).
double ReduceAngle(double x);

// Arctangent by quadrant: (-π/2, 3π/2). The look-angle code relies on this
// range; the orbit models use FullCircleArcTan.
double QuadrantArcTan(double sinValue, double cosValue);

// Arctangent in [0, 2π). The models subtract it from a mean anomaly in
// [0, 2π), so a negative fourth-quadrant angle would be off by a turn.
double FullCircleArcTan(double sinValue, double cosValue);

// Arcsine that saturates at ±π/2 instead of failing outside [-1, 1].
double BoundedArcSin(double x);

double ToRadians(double degrees);
double ToDegrees(double radians);

constexpr double Cube(double x) {
    return x * x * x;
}

double VectorMagnitude(const Vector3& v);
double DotProduct(const Vector3& a, const Vector3& b);

}  // namespace orbit
