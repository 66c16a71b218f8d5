// Reading element fields by column, converting two-line and verbose sets to radians and model
// units, checking for sets no model can propagate, and the derived drift values.
#include "orbit/ElementConversion.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "orbit/EpochTime.h"
#include "orbit/Models.h"
#include "orbit/NumericHelpers.h"
#include "orbit/OrbitConstants.h"

namespace orbit {
namespace {

// The display code's π, used for the derived drift values on purpose.
constexpr double kDisplayPi = 3.1415928;

int ElementInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

double FieldNumber(std::string_view line, int first, int last) {
    return ElementNumber(ElementField(line, first, last));
}

ElementFault FindFault(const ElementSet& s) {
    if (!(s.eccentricity >= 0.0 && s.eccentricity < 1.0))
        return ElementFault::EccentricityOutOfRange;
    // A perigee below the surface is no fault here: a re-entering object is still where the
    // model puts it until its position itself lies inside the Earth.
    if (!(s.meanMotion > 0.0))
        return ElementFault::MeanMotionNotPositive;
    return ElementFault::None;
}

void DeriveQuantities(ElementSet& s) {
    s.rootOneMinusESquared = 0.0;
    s.semiMajorAxis = s.nodeDrift = s.perigeeDrift = s.perigeeDayNumber = 0.0;
    s.meanMotionRadPerDay = s.meanMotionRevPerDay * 2.0 * kDisplayPi;
    // A faulty set would only give infinities here; its zeros are never used.
    if (s.fault != ElementFault::None)
        return;
    const double n = s.meanMotionRevPerDay;
    const double t = EpochDayNumber(s.epoch);
    const double m = s.meanAnomalyDeg;
    s.perigeeDayNumber = m > 180.0 ? t + (360.0 - m) / (360.0 * n) : t - m / (360.0 * n);
    s.semiMajorAxis = 42220.0 * Power(n, -2.0 / 3.0) / 6378.135;
    const double k = kDisplayPi / 180.0;
    const double e2 = s.eccentricity * s.eccentricity;
    const double r = Power(s.semiMajorAxis, 3.5) * (1.0 - e2) * (1.0 - e2);
    const double cosi = std::cos(s.inclinationDeg * k);
    s.nodeDrift = -9.98 * cosi / r;
    s.perigeeDrift = 5.0 * (5.0 * cosi * cosi - 1.0) / r;
    s.rootOneMinusESquared = std::sqrt(1.0 - e2);
}

// Radians from the degree copies, epoch date, flags and derived values.
void FinishConversion(ElementSet& s, const ConversionContext& context) {
    const int century = s.epochCentury != 0 ? s.epochCentury : context.century;
    s.inclination = ToRadians(s.inclinationDeg);
    s.node = ToRadians(s.nodeDeg);
    s.argumentOfPerigee = ToRadians(s.argumentOfPerigeeDeg);
    s.meanAnomaly = ToRadians(s.meanAnomalyDeg);
    s.meanMotion = s.meanMotionRevPerDay * kTwoPi / kXmnpda;
    s.epochJulianDate = EpochToJulianDate(s.epoch, century);
    s.deepSpaceFlag = s.meanMotionRevPerDay < kDeepSpaceRevPerDay ? 1 : 0;
    s.deepEpoch =
        s.deepSpaceFlag != 0 ? models::ComputeDeepEpochTerms(s.epoch, century) : DeepEpochTerms{};
    s.initialiseFlag = 1;
    s.fault = FindFault(s);
    s.recovered = s.fault == ElementFault::None
                      ? models::ComputeRecoveredMotion(s.meanMotion, s.inclination, s.eccentricity)
                      : RecoveredMotionCache{};
    DeriveQuantities(s);
}

}  // namespace

std::string ElementField(std::string_view line, int first, int last) {
    std::string field;
    for (int col = first; col <= last; ++col) {
        const auto i = static_cast<size_t>(col - 1);
        if (i >= line.size())
            break;
        field += line[i] == ' ' ? '0' : line[i];
    }
    return field.empty() ? "0" : field;
}

double ElementNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return 0.0;
    return value;
}

void ConvertTwoLineSet(ElementSet& s, const ConversionContext& context) {
    const std::string_view l1 = s.line1, l2 = s.line2;
    s.epoch = FieldNumber(l1, 19, 32);
    s.meanMotionRate = FieldNumber(l1, 34, 43) * kTwoPi / (kXmnpda * kXmnpda);
    const double secondMantissa = FieldNumber(l1, 45, 50) * 1.0e-5;
    const int secondExponent = ElementInteger(ElementField(l1, 51, 52));
    s.meanMotionSecondRate =
        secondMantissa * Power(10.0, secondExponent) * kTwoPi / (kXmnpda * kXmnpda * kXmnpda);
    double dragMantissa = FieldNumber(l1, 54, 59) * 1.0e-5;
    const int dragExponent = ElementInteger(ElementField(l1, 60, 61));
    // SGP8 has no drag-free form; a zero mantissa gets a token drag.
    if (context.model == ModelChoice::Sgp8 && dragMantissa == 0.0)
        dragMantissa = 0.0001;
    s.dragTerm = dragMantissa * Power(10.0, dragExponent);
    char number[16];
    std::snprintf(number, sizeof number, "%03d", ElementInteger(ElementField(l1, 66, 68)) % 1000);
    s.elementSetNumber = number;

    s.inclinationDeg = FieldNumber(l2, 9, 16);
    s.nodeDeg = FieldNumber(l2, 18, 25);
    s.eccentricity = FieldNumber(l2, 27, 33) * 1.0e-7;
    s.argumentOfPerigeeDeg = FieldNumber(l2, 35, 42);
    s.meanAnomalyDeg = FieldNumber(l2, 44, 51);
    s.meanMotionRevPerDay = FieldNumber(l2, 53, 63);
    s.epochRevolution = FieldNumber(l2, 64, 68) - 0.5;
    FinishConversion(s, context);
}

void ConvertVerboseSet(ElementSet& s, const VerboseValues& v, const ConversionContext& context) {
    s.source = ElementSource::Verbose;
    s.epoch = v.epoch;
    s.inclinationDeg = v.inclination;
    s.nodeDeg = v.node;
    s.eccentricity = v.eccentricity;
    s.argumentOfPerigeeDeg = v.argumentOfPerigee;
    s.meanAnomalyDeg = v.meanAnomaly;
    s.meanMotionRevPerDay = v.meanMotion;
    s.meanMotionRate = v.meanMotionRate * kTwoPi / (kXmnpda * kXmnpda);
    s.meanMotionSecondRate = 0.0;
    s.dragTerm = 0.0;  // no zero-drag substitute for verbose sets
    s.elementSetNumber = "000";
    s.epochRevolution = v.epochRevolution - 0.5;
    FinishConversion(s, context);
}

void ConvertOmmSet(ElementSet& s, const ConversionContext& context) {
    const OmmValues& v = s.omm;
    s.source = ElementSource::Omm;
    s.epoch = v.epoch;
    s.epochCentury = v.century;
    s.inclinationDeg = v.inclination;
    s.nodeDeg = v.node;
    s.eccentricity = v.eccentricity;
    s.argumentOfPerigeeDeg = v.argumentOfPerigee;
    s.meanAnomalyDeg = v.meanAnomaly;
    s.meanMotionRevPerDay = v.meanMotion;
    s.meanMotionRate = v.meanMotionDot * kTwoPi / (kXmnpda * kXmnpda);
    s.meanMotionSecondRate = v.meanMotionDdot * kTwoPi / (kXmnpda * kXmnpda * kXmnpda);
    // The same token drag as a two-line set whose drag columns are all zero.
    s.dragTerm = context.model == ModelChoice::Sgp8 && v.dragTerm == 0.0 ? 0.0001 : v.dragTerm;
    char number[24];
    std::snprintf(number, sizeof number, "%03lld", v.elementSetNumber % 1000);
    s.elementSetNumber = number;
    s.epochRevolution = static_cast<double>(v.revolutionAtEpoch) - 0.5;
    FinishConversion(s, context);
}

void ConvertAllSets(SetTable& table, const ConversionContext& context) {
    for (int i = 1; i <= table.Count(); ++i) {
        ElementSet& s = table[i];
        if (s.source == ElementSource::TwoLine)
            ConvertTwoLineSet(s, context);
        else if (s.source == ElementSource::Omm)
            ConvertOmmSet(s, context);
        else
            FinishConversion(s, context);
        table.SelectCurrentSet(i);
    }
}

}  // namespace orbit
