#include "assets/motifs/vec3.h"

namespace talvora::motifs {

Lighting LightFromUpperLeft(const Vec3& normal, int shininess) {
  constexpr Vec3 kLight{-0.5207, 0.5807, 0.6258};
  // Half-way between the light and the viewer, for the highlight.
  constexpr Vec3 kHalf{-0.2887, 0.3221, 0.9016};
  const double diffuse = Dot(normal, kLight);
  const double facing = Dot(normal, kHalf);
  return {diffuse > 0.0 ? diffuse : 0.0, facing > 0.0 ? paint::PowInt(facing, shininess) : 0.0};
}

}  // namespace talvora::motifs
