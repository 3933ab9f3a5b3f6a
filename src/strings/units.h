// Conversions between metric and imperial lengths: the value times a fixed
// factor, in double precision.
//
// The six metric factors are decimal values rounded to single precision and
// widened again; the imperial factors are the integers or the doubles
// nearest to the fractions.
#pragma once

namespace tarvo {

// A metric factor as stored: the decimal value as a float.
constexpr double AsFloat(double decimal) { return static_cast<double>(static_cast<float>(decimal)); }

inline constexpr double kCmToInch = AsFloat(0.3937);
inline constexpr double kInchToCm = AsFloat(2.54);
inline constexpr double kKmToMile = AsFloat(0.6214);
inline constexpr double kMileToKm = AsFloat(1.609);
inline constexpr double kMToYard = AsFloat(1.093611);
inline constexpr double kYardToM = AsFloat(0.9144);
inline constexpr double kInchToFeet = 1.0 / 12;
inline constexpr double kFeetToInch = 12;
inline constexpr double kInchToYard = 1.0 / 36;
inline constexpr double kYardToInch = 36;
inline constexpr double kInchToMile = 1.0 / 63360;
inline constexpr double kMileToInch = 63360;
inline constexpr double kFeetToYard = 1.0 / 3;
inline constexpr double kYardToFeet = 3;
inline constexpr double kFeetToMile = 1.0 / 5280;
inline constexpr double kMileToFeet = 5280;
inline constexpr double kMileToYard = 1760;
inline constexpr double kYardToMile = 1.0 / 1760;

template <const double& Factor>
double MetConvert(double value) {
    return value * Factor;
}

}  // namespace tarvo
