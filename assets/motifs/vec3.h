#pragma once

#include "assets/paint/det_math.h"

namespace talvora::motifs {

// A direction or point in space: x to the right, y up, z towards the viewer.
struct Vec3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

constexpr double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline Vec3 Normalized(const Vec3& v) {
  const double length = paint::SafeSqrt(Dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

// Rotations by an angle in turns about the x, y and z axes.
inline Vec3 RotatedX(const Vec3& v, double turns) {
  const double c = paint::CosTurns(turns);
  const double s = paint::SinTurns(turns);
  return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}
inline Vec3 RotatedY(const Vec3& v, double turns) {
  const double c = paint::CosTurns(turns);
  const double s = paint::SinTurns(turns);
  return {c * v.x + s * v.z, v.y, -s * v.x + c * v.z};
}
inline Vec3 RotatedZ(const Vec3& v, double turns) {
  const double c = paint::CosTurns(turns);
  const double s = paint::SinTurns(turns);
  return {c * v.x - s * v.y, s * v.x + c * v.y, v.z};
}

// A linear map kept as the images of the three axes, so a rotation built
// from several turns costs three products when applied.
struct Rotation {
  Vec3 x;
  Vec3 y;
  Vec3 z;
};

template <class Turn>
Rotation RotationOf(Turn&& turn) {
  return {turn(Vec3{1.0, 0.0, 0.0}), turn(Vec3{0.0, 1.0, 0.0}), turn(Vec3{0.0, 0.0, 1.0})};
}

constexpr Vec3 Apply(const Rotation& r, const Vec3& v) {
  return {v.x * r.x.x + v.y * r.y.x + v.z * r.z.x, v.x * r.x.y + v.y * r.y.y + v.z * r.z.y,
          v.x * r.x.z + v.y * r.y.z + v.z * r.z.z};
}

// Diffuse and specular light for a unit normal, with the light coming from
// the upper left, in front of the picture.
struct Lighting {
  double diffuse;
  double specular;
};
Lighting LightFromUpperLeft(const Vec3& normal, int shininess);

}  // namespace talvora::motifs
