#include "assets/paint/effects.h"

#include "assets/paint/det_math.h"

namespace talvora::paint {

void DrawRays(Canvas& canvas, const Rays& rays) {
  Path reach;
  reach.AddCircle(rays.centre, rays.length);
  canvas.Paint(reach, [&rays](double x, double y, Pixel under) {
    const double dx = x - rays.centre.x;
    const double dy = y - rays.centre.y;
    const double distance = SafeSqrt(dx * dx + dy * dy);
    // Clockwise from straight up, counted in rays.
    const double along = (Atan2Turns(dx, -dy) - rays.turns) * rays.count;
    const int nearest = FloorToInt(along + 0.5);
    const double offRay = Abs(along - nearest);
    // Distance in pixels from the ray's edge, positive inside it.
    const double inside = (0.25 - offRay) / rays.count * 2.0 * kPi * distance;
    const double coverage = Clamp01(inside + 0.5);
    if (coverage <= 0.0) return under;
    const double strength = rays.fade ? Smoothstep(rays.length, rays.length * 0.05, distance) : 1.0;
    const int ray = ((nearest % rays.count) + rays.count) % rays.count;
    const Pixel color = ray % 2 == 0 ? rays.first : rays.second;
    return Over(under, color, static_cast<int>(rays.alpha * coverage * strength));
  });
}

void DrawGlow(Canvas& canvas, Point centre, double radius, Pixel color, int strength) {
  canvas.Paint(Path().AddCircle(centre, radius), [=](double x, double y, Pixel under) {
    const double dx = x - centre.x;
    const double dy = y - centre.y;
    const double t = Smoothstep(radius, 0.0, SafeSqrt(dx * dx + dy * dy));
    return Over(under, color, static_cast<int>(strength * t * t));
  });
}

}  // namespace talvora::paint
