#include <vector>

#include "assets/paint/canvas.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/pictures.h"

namespace talvora {
namespace {

using paint::Path;
using paint::Point;

// The ball in units of the icon's side, centred: a white disc with a dark
// rim, a black patch in the middle and five around it, cut by the rim.
constexpr double kRadius = 0.47;
constexpr double kRim = 0.035;
constexpr Pixel kPatch = 0x14141A;

// A regular pentagon of the given circumradius; its first corner lies at
// the direction turns, counted clockwise on screen from the positive x axis.
std::vector<Point> Pentagon(Point centre, double radius, double turns) {
  std::vector<Point> corners;
  for (int k = 0; k < 5; ++k) {
    const double angle = turns + k / 5.0;
    corners.push_back(
        {centre.x + radius * paint::CosTurns(angle), centre.y + radius * paint::SinTurns(angle)});
  }
  return corners;
}

// The patches: one with a flat side up in the middle, five around it, each
// pointing a corner at the middle one.
Path Patches(double size) {
  const Point middle{size / 2.0, size / 2.0};
  constexpr double kUp = -0.25;
  Path patches;
  patches.AddPolygon(Pentagon(middle, 0.16 * size, kUp + 0.1));
  for (int k = 0; k < 5; ++k) {
    const double towards = kUp + 0.1 + k / 5.0;
    const Point centre{middle.x + 0.43 * size * paint::CosTurns(towards),
                       middle.y + 0.43 * size * paint::SinTurns(towards)};
    patches.AddPolygon(Pentagon(centre, 0.14 * size, towards + 0.1));
  }
  return patches;
}

Surface BallColors(int size) {
  const double side = size;
  Surface color(size, size, kBlack);
  paint::Canvas canvas(color);
  // White, a little shaded towards the lower right.
  canvas.PaintAll([side](double x, double y, Pixel) {
    const double towards = (x / side - 0.5 + y / side - 0.5) / kRadius;
    return paint::Scale(kWhite, 1.0 - 0.18 * paint::Clamp01(towards));
  });
  canvas.Fill(Patches(side), kPatch);
  // The rim, and the same dark colour beyond it for the edge pixels.
  const Point middle{side / 2.0, side / 2.0};
  canvas.Fill(
      Path()
          .AddRect(0.0, 0.0, side, side)
          .AddHole(paint::EllipsePoints(middle, (kRadius - kRim) * side, (kRadius - kRim) * side)),
      kPatch);
  return color;
}

Surface BallOpacity(int size) {
  const double side = size;
  Surface opacity(size, size, kBlack);
  paint::Canvas canvas(opacity);
  canvas.Fill(Path().AddCircle({side / 2.0, side / 2.0}, kRadius * side), kWhite);
  return opacity;
}

}  // namespace

ClearPicture MakeProductIconLayers(int size) { return {BallColors(size), BallOpacity(size)}; }

Surface MakeProductIcon(int size, Pixel background) {
  const ClearPicture icon = MakeProductIconLayers(size);
  Surface laid(size, size, background);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      // The opacity's grey, 0..255, as an alpha of 0..256.
      const int opacity = BlueOf(icon.opacity.At(x, y));
      laid.At(x, y) = paint::Over(background, icon.color.At(x, y), opacity + (opacity >> 7));
    }
  }
  return laid;
}

}  // namespace talvora
