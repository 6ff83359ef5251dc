#include "assets/motifs/telephone.h"

#include <vector>

#include "assets/paint/color.h"
#include "assets/paint/det_math.h"

namespace talvora::motifs {
namespace {

using paint::Path;
using paint::Point;

// Design coordinates to canvas coordinates.
class Frame {
 public:
  Frame(Point origin, double scale) : origin_(origin), scale_(scale) {}
  Point operator()(double x, double y) const {
    return {origin_.x + x * scale_, origin_.y + y * scale_};
  }
  double Length(double length) const { return length * scale_; }

 private:
  Point origin_;
  double scale_;
};

Path Base(const Frame& at) {
  return Path().AddPolygon({at(9.0, 12.0), at(31.0, 12.0), at(34.0, 14.0), at(38.5, 28.5),
                            at(37.0, 30.0), at(3.0, 30.0), at(1.5, 28.5), at(6.0, 14.0)});
}

// The handset: a curved grip between an earpiece and a mouthpiece.
Path Handset(const Frame& at) {
  const std::vector<Point> grip = {at(8.0, 8.0), at(13.0, 5.0), at(27.0, 5.0), at(32.0, 8.0)};
  Path handset;
  handset.AddStroke(grip, at.Length(4.2));
  const Point ear = at(1.0, 7.0);
  const Point mouth = at(29.0, 7.0);
  handset.AddRoundRect(ear.x, ear.y, at.Length(10.0), at.Length(6.0), at.Length(2.5));
  handset.AddRoundRect(mouth.x, mouth.y, at.Length(10.0), at.Length(6.0), at.Length(2.5));
  return handset;
}

// The coiled cord from the base's left side down and out of the picture.
Path Cord(const Frame& at) {
  std::vector<Point> coil;
  constexpr int kSteps = 60;
  for (int i = 0; i <= kSteps; ++i) {
    const double t = static_cast<double>(i) / kSteps;
    const double loop = 4.0 * t;
    coil.push_back(at(4.0 - 6.0 * t + 1.6 * paint::SinTurns(loop),
                      22.0 + 12.0 * t + 1.6 * paint::CosTurns(loop)));
  }
  return Path().AddStroke(coil, at.Length(0.9));
}

void PaintKeypad(paint::Canvas& canvas, const Frame& at, Pixel body) {
  const Point panel = at(13.0, 16.0);
  canvas.Fill(
      Path().AddRoundRect(panel.x, panel.y, at.Length(14.0), at.Length(12.5), at.Length(1.5)),
      paint::Scale(body, 0.6));
  Path keys;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      const Point key = at(14.5 + column * 4.0, 17.2 + row * 2.8);
      keys.AddRoundRect(key.x, key.y, at.Length(3.0), at.Length(2.0), at.Length(0.6));
    }
  }
  canvas.Fill(keys, 0xF4F4F0);
}

}  // namespace

void PaintTelephone(paint::Canvas& canvas, Point origin, double scale, Pixel body) {
  const Frame at(origin, scale);
  const Frame shadow({origin.x + scale * 1.2, origin.y + scale * 1.6}, scale);
  const Pixel dark = paint::Scale(body, 0.55);
  canvas.Fill(Cord(at), dark);
  canvas.Fill(Base(shadow), kBlack, 90);
  const double top = at(0.0, 12.0).y;
  const double bottom = at(0.0, 30.0).y;
  canvas.Shade(Base(at), [&](double, double y) {
    return paint::Mix(paint::Lift(body, 30), dark, (y - top) / (bottom - top));
  });
  // The cradle's two rests under the handset.
  const Point left = at(7.0, 10.5);
  const Point right = at(28.0, 10.5);
  canvas.Fill(Path()
                  .AddRoundRect(left.x, left.y, at.Length(5.0), at.Length(3.0), at.Length(1.0))
                  .AddRoundRect(right.x, right.y, at.Length(5.0), at.Length(3.0), at.Length(1.0)),
              dark);
  PaintKeypad(canvas, at, body);
  canvas.Fill(Handset(shadow), kBlack, 90);
  const double handsetTop = at(0.0, 3.0).y;
  const double handsetBottom = at(0.0, 13.0).y;
  canvas.Shade(Handset(at), [&](double, double y) {
    return paint::Mix(paint::Lift(body, 45), paint::Scale(body, 0.8),
                      (y - handsetTop) / (handsetBottom - handsetTop));
  });
}

}  // namespace talvora::motifs
