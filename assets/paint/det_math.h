#pragma once

#include <cmath>

// Arithmetic for the picture generator that gives the same bits on every
// platform: only +, -, *, / and square roots, which IEEE 754 rounds exactly,
// never the C library's transcendental functions, whose last bits differ
// between C runtimes.

namespace talvora::paint {

inline constexpr double kPi = 3.14159265358979323846;

// Sine and cosine of an angle given in turns (1 = a full circle).
double SinTurns(double turns);
double CosTurns(double turns);

// The direction of (x, y) in turns, measured from the positive x axis
// towards the positive y axis, in (-1/2, 1/2]; 0 for (0, 0). Accurate to
// about 1e-6 turn.
double Atan2Turns(double y, double x);

// The largest integer not greater than value (value well inside int range).
constexpr int FloorToInt(double value) {
  const int truncated = static_cast<int>(value);
  return static_cast<double>(truncated) > value ? truncated - 1 : truncated;
}

// The fractional part, value - floor(value), in [0, 1).
constexpr double Fraction(double value) { return value - static_cast<double>(FloorToInt(value)); }

// Square root of a value clamped at 0 first; IEEE 754 rounds it exactly.
inline double SafeSqrt(double value) { return value > 0.0 ? std::sqrt(value) : 0.0; }

constexpr double Clamp(double value, double low, double high) {
  return value < low ? low : (value > high ? high : value);
}
constexpr double Clamp01(double value) { return Clamp(value, 0.0, 1.0); }
constexpr double Lerp(double a, double b, double t) { return a + (b - a) * t; }
constexpr double Abs(double value) { return value < 0.0 ? -value : value; }
constexpr double Min(double a, double b) { return a < b ? a : b; }
constexpr double Max(double a, double b) { return a > b ? a : b; }

// 0 below edge0, 1 above edge1, a smooth cubic in between.
constexpr double Smoothstep(double edge0, double edge1, double x) {
  const double t = Clamp01((x - edge0) / (edge1 - edge0));
  return t * t * (3.0 - 2.0 * t);
}

// x raised to a small whole power, by repeated multiplication.
constexpr double PowInt(double x, int power) {
  double result = 1.0;
  for (int i = 0; i < power; ++i) result *= x;
  return result;
}

}  // namespace talvora::paint
