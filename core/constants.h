#pragma once
// The stored constants of every angle conversion. They are decimal literals on
// purpose: results must match the surveyor's reference tables to the last digit,
// and those were computed with exactly these values, not with 180/pi.

namespace constants {
inline constexpr double kDegPerRad = 57.2957795130823; // degrees per radian
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
} // namespace constants
