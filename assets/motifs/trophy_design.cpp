#include "assets/motifs/trophy_design.h"

#include "assets/paint/color.h"
#include "assets/paint/det_math.h"

namespace talvora::motifs {

std::vector<paint::Point> DesignFrame::ToPixels(std::span<const paint::Point> designPoints) const {
  std::vector<paint::Point> pixels;
  pixels.reserve(designPoints.size());
  for (const paint::Point& p : designPoints) pixels.push_back(ToPixel(p.x, p.y));
  return pixels;
}

double HalfWidthAt(std::span<const ProfilePoint> profile, double v) {
  if (v <= profile.front().v) return profile.front().halfWidth;
  for (std::size_t i = 1; i < profile.size(); ++i) {
    if (v <= profile[i].v) {
      const double t = paint::Smoothstep(profile[i - 1].v, profile[i].v, v);
      return paint::Lerp(profile[i - 1].halfWidth, profile[i].halfWidth, t);
    }
  }
  return profile.back().halfWidth;
}

Pixel Gold(double light) {
  static constexpr paint::ColorStop kGold[] = {{0.00, 0x2A1803}, {0.22, 0x654210}, {0.45, 0xA8781A},
                                               {0.65, 0xD6A532}, {0.82, 0xF2CC5C}, {0.98, 0xFFEBA0},
                                               {1.20, 0xFFFBE8}};
  return paint::Ramp(kGold, light);
}

double CylinderLight(double s, double tilt) {
  const double across = paint::Clamp(s, -1.0, 1.0);
  const Vec3 normal = Normalized({across, tilt, paint::SafeSqrt(1.0 - across * across) + 0.05});
  const Lighting light = LightFromUpperLeft(normal, 14);
  // A darker band right of the middle, the reflection of the room, makes
  // the surface read as metal rather than paint.
  const double band = 0.22 * paint::Smoothstep(0.55, 0.0, paint::Abs(across - 0.45));
  return 0.16 + 0.78 * light.diffuse + 0.55 * light.specular - band;
}

}  // namespace talvora::motifs
