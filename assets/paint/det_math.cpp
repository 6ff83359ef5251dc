#include "assets/paint/det_math.h"

namespace talvora::paint {

double SinTurns(double turns) {
  // Reduce to [-1/4, 1/4] turn, where the Taylor series converges quickly;
  // with terms up to x^17 the error stays below 1e-13.
  double t = turns - static_cast<double>(FloorToInt(turns + 0.5));
  if (t > 0.25) t = 0.5 - t;
  if (t < -0.25) t = -0.5 - t;
  const double x = t * 2.0 * kPi;
  const double x2 = x * x;
  constexpr double kInverseFactorials[] = {
      1.0 / 1307674368000.0, 1.0 / 6227020800.0, 1.0 / 39916800.0, 1.0 / 362880.0,
      1.0 / 5040.0,          1.0 / 120.0,        1.0 / 6.0};
  double sum = 1.0 / 355687428096000.0;  // 1/17!, then Horner's scheme down to 1/3!
  for (const double inverse : kInverseFactorials) sum = inverse - x2 * sum;
  return x * (1.0 - sum * x2);
}

double CosTurns(double turns) { return SinTurns(turns + 0.25); }

double Atan2Turns(double y, double x) {
  const double ax = x < 0.0 ? -x : x;
  const double ay = y < 0.0 ? -y : y;
  if (ax == 0.0 && ay == 0.0) return 0.0;
  // The arctangent of the ratio in [0, 1] by a minimax polynomial, then the
  // octant put back.
  const double z = ax > ay ? ay / ax : ax / ay;
  const double z2 = z * z;
  double turns =
      z *
      (0.99997726 +
       z2 * (-0.33262347 +
             z2 * (0.19354346 + z2 * (-0.11643287 + z2 * (0.05265332 + z2 * -0.01172120))))) /
      (2.0 * kPi);
  if (ay > ax) turns = 0.25 - turns;
  if (x < 0.0) turns = 0.5 - turns;
  return y < 0.0 ? -turns : turns;
}

}  // namespace talvora::paint
