#include "assets/motifs/football.h"

#include <array>

#include "assets/motifs/vec3.h"

namespace talvora::motifs {
namespace {

using paint::Point;

// The truncated icosahedron seen through its faces: pentagons face the
// twelve vertices of an icosahedron, hexagons the twenty of a dodecahedron.
// A point of the sphere belongs to the face whose plane its ray meets first.
struct FacePlanes {
  std::array<Vec3, 12> pentagons;
  std::array<Vec3, 20> hexagons;
};

// Hexagon planes lie nearer the centre than pentagon planes, by this ratio.
constexpr double kHexagonDistance = 0.9741542;

FacePlanes MakeFacePlanes() {
  constexpr double kPhi = 1.6180339887498949;
  constexpr double kInversePhi = kPhi - 1.0;
  FacePlanes planes;
  std::size_t p = 0;
  std::size_t h = 0;
  for (const double a : {-1.0, 1.0}) {
    for (const double b : {-1.0, 1.0}) {
      for (const Vec3& v : {Vec3{0, a, b * kPhi}, Vec3{a, b * kPhi, 0}, Vec3{a * kPhi, 0, b}}) {
        planes.pentagons[p++] = Normalized(v);
      }
      for (const Vec3& v : {Vec3{0, a * kPhi, b * kInversePhi}, Vec3{a * kInversePhi, 0, b * kPhi},
                            Vec3{a * kPhi, b * kInversePhi, 0}}) {
        planes.hexagons[h++] = Normalized(v);
      }
      for (const double c : {-1.0, 1.0}) planes.hexagons[h++] = Normalized({a, b, c});
    }
  }
  return planes;
}

struct Patch {
  bool pentagon;
  // How far the point is from the nearest seam, in plane units.
  double seamDistance;
};

Patch PatchAt(const FacePlanes& planes, const Vec3& q) {
  double best = -2.0;
  double second = -2.0;
  bool pentagon = false;
  const auto consider = [&](double value, bool isPentagon) {
    if (value > best) {
      second = best;
      best = value;
      pentagon = isPentagon;
    } else if (value > second) {
      second = value;
    }
  };
  for (const Vec3& n : planes.pentagons) consider(Dot(q, n), true);
  for (const Vec3& n : planes.hexagons) consider(Dot(q, n) / kHexagonDistance, false);
  return {pentagon, best - second};
}

// From the viewer's frame to the ball's own: undo the spin about the ball's
// z axis, after the fixed tilt of that axis.
Vec3 ToBall(const Vec3& v, double spin) {
  const Vec3 untilted = RotatedX(RotatedZ(v, -0.06), 0.19);
  return RotatedZ(untilted, -spin);
}

class BallShader {
 public:
  BallShader(Point centre, double radius, double spin)
      : planes_(MakeFacePlanes()),
        centre_(centre),
        radius_(radius),
        toBall_(RotationOf([spin](const Vec3& v) { return ToBall(v, spin); })),
        samples_(radius < 15.0 ? 3 : 2),
        seamWidth_(0.22 / radius + 0.004) {}

  Pixel operator()(double x, double y) const {
    // Inside a patch the shading changes slowly: one sample will do. Near a
    // seam or patch edge a grid of samples smooths the boundary.
    const Sample middle = ShadeSample(x, y);
    if (middle.farFromSeams) return middle.color;
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    for (int i = 0; i < samples_; ++i) {
      for (int j = 0; j < samples_; ++j) {
        const double sx = x - 0.5 + (j + 0.5) / samples_;
        const double sy = y - 0.5 + (i + 0.5) / samples_;
        const Pixel sample = ShadeSample(sx, sy).color;
        red += RedOf(sample);
        green += GreenOf(sample);
        blue += BlueOf(sample);
      }
    }
    const double count = samples_ * samples_;
    return paint::RgbOf(red / count, green / count, blue / count);
  }

 private:
  struct Sample {
    Pixel color;
    bool farFromSeams;
  };

  Sample ShadeSample(double sx, double sy) const {
    double nx = (sx - centre_.x) / radius_;
    double ny = (centre_.y - sy) / radius_;
    double d2 = nx * nx + ny * ny;
    constexpr double kLimb = 0.995;
    if (d2 > kLimb) {
      const double shrink = paint::SafeSqrt(kLimb / d2);
      nx *= shrink;
      ny *= shrink;
      d2 = kLimb;
    }
    const Vec3 normal{nx, ny, paint::SafeSqrt(1.0 - d2)};
    const Patch patch = PatchAt(planes_, Apply(toBall_, normal));
    const double seam = 1.0 - paint::Smoothstep(0.0, seamWidth_, patch.seamDistance);
    const double base = patch.pentagon ? 34.0 : 246.0;
    const double albedo = paint::Lerp(base, patch.pentagon ? 60.0 : 150.0, seam);
    const Lighting light = LightFromUpperLeft(normal, 24);
    const double shade = (0.32 + 0.85 * light.diffuse) * (0.78 + 0.22 * normal.z);
    const double gloss = light.specular * (patch.pentagon ? 150.0 : 110.0);
    // A faint cool rim keeps the dark edge apart from a black sky.
    const double rim = paint::PowInt(1.0 - normal.z, 3) * 55.0;
    const double value = albedo * shade + gloss;
    // A pixel spans about this much in plane units, more where the sphere
    // turns away from the viewer.
    const double pixelReach = 0.3 / (radius_ * paint::Max(normal.z, 0.25));
    return {paint::RgbOf(value + rim * 0.6, value + rim * 0.8, value * 1.02 + rim + 4.0),
            patch.seamDistance > seamWidth_ + pixelReach};
  }

  FacePlanes planes_;
  Point centre_;
  double radius_;
  Rotation toBall_;
  int samples_;
  double seamWidth_;
};

}  // namespace

void PaintFootball(paint::Canvas& canvas, Point centre, double radius, double spin) {
  canvas.Shade(paint::Path().AddCircle(centre, radius), BallShader(centre, radius, spin));
}

}  // namespace talvora::motifs
