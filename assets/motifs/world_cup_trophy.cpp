#include <array>

#include "assets/motifs/trophies.h"
#include "assets/motifs/trophy_design.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"

namespace talvora::motifs {
namespace {

using paint::Point;

// The two figures, from the hands under the globe down to the base.
constexpr std::array<ProfilePoint, 9> kBody = {{{24.5, 8.5},
                                                {28.0, 10.6},
                                                {33.0, 9.0},
                                                {40.0, 6.8},
                                                {49.0, 5.9},
                                                {58.0, 6.9},
                                                {66.0, 9.4},
                                                {72.0, 11.8},
                                                {75.5, 12.6}}};

constexpr Point kGlobeCentre{0.0, 15.2};
constexpr double kGlobeRadius = 14.0;

constexpr double kBaseTop = 73.5;
constexpr double kBaseBottom = 94.6;

// The figures lean as they climb, which the eye reads as a twist.
double BodyCentre(double v) { return 0.9 * paint::SinTurns((v - 24.0) / 46.0); }

Pixel BodyColor(double u, double v) {
  const double halfWidth = HalfWidthAt(kBody, v);
  const double s = paint::Clamp((u - BodyCentre(v)) / halfWidth, -1.0, 1.0);
  // Grooves between the two bodies wind around the axis as they rise.
  const double winding = paint::Fraction(v / 15.0 + s * 0.42);
  const double groove = 1.0 - paint::Smoothstep(0.0, 0.16, paint::Min(winding, 1.0 - winding));
  const double ridge = paint::Smoothstep(0.34, 0.2, paint::Abs(winding - 0.2));
  return Gold(CylinderLight(s, 0.0) * (1.0 - 0.5 * groove) + 0.12 * ridge);
}

// The continents, each a few round caps of the sphere: latitude, longitude
// and radius in turns. From the Americas eastwards to Australia.
struct Cap {
  double latitude;
  double longitude;
  double radius;
};
constexpr std::array<Cap, 16> kLand = {{
    {-0.040, -0.165, 0.047},
    {-0.097, -0.182, 0.028},
    {0.014, -0.188, 0.028},
    {0.125, -0.278, 0.055},
    {0.167, -0.306, 0.042},
    {0.083, -0.264, 0.028},
    {0.042, -0.250, 0.014},
    {0.208, -0.118, 0.024},
    {0.014, 0.056, 0.055},
    {-0.056, 0.069, 0.036},
    {0.056, 0.028, 0.042},
    {0.139, 0.042, 0.028},
    {0.153, 0.097, 0.030},
    {0.139, 0.250, 0.070},
    {0.060, 0.210, 0.030},
    {-0.070, 0.370, 0.035},
}};

// The globe in relief: raised continents, the seas lower and ruled with
// parallels.
class GlobeShader {
 public:
  explicit GlobeShader(const DesignFrame& frame)
      : frame_(frame),
        // Turned to show the Atlantic, the Americas and Africa either side.
        turn_(RotationOf([](const Vec3& v) { return RotatedX(RotatedY(v, -0.07), -0.04); })) {
    for (std::size_t i = 0; i < kLand.size(); ++i) {
      const Cap& cap = kLand[i];
      const double c = paint::CosTurns(cap.latitude);
      centres_[i] = {c * paint::SinTurns(cap.longitude), paint::SinTurns(cap.latitude),
                     c * paint::CosTurns(cap.longitude)};
      edges_[i] = paint::CosTurns(cap.radius);
    }
  }

  Pixel operator()(double x, double y) const {
    const double nx = (frame_.U(x) - kGlobeCentre.x) / kGlobeRadius;
    const double ny = (kGlobeCentre.y - frame_.V(y)) / kGlobeRadius;
    const Vec3 normal{nx, ny, paint::SafeSqrt(1.0 - nx * nx - ny * ny)};
    const Lighting light = LightFromUpperLeft(normal, 16);
    const double land = LandAt(Apply(turn_, normal));
    const double coast = paint::Smoothstep(0.22, 0.0, paint::Abs(land));
    const double parallel = paint::Fraction(ny * 3.0 + 0.5);
    const double lines =
        land < 0.0 ? paint::Smoothstep(0.08, 0.0, paint::Abs(parallel - 0.5)) : 0.0;
    const double relief = land > 0.0 ? 1.08 : 0.7 - 0.12 * lines;
    return Gold((0.16 + 0.8 * light.diffuse) * relief * (1.0 - 0.45 * coast) +
                0.55 * light.specular);
  }

 private:
  // 1 in the middle of a cap, 0 on its edge, below 0 at sea; the coasts
  // are made ragged.
  double LandAt(const Vec3& q) const {
    double land = -1.0;
    for (std::size_t i = 0; i < kLand.size(); ++i) {
      land = paint::Max(land, (Dot(q, centres_[i]) - edges_[i]) / (1.0 - edges_[i]));
    }
    return land + 0.25 * paint::SinTurns(q.x * 4.0 + q.y * 3.0) +
           0.15 * paint::SinTurns(q.y * 7.0 - q.z * 5.0);
  }

  const DesignFrame& frame_;
  Rotation turn_;
  std::array<Vec3, kLand.size()> centres_;
  std::array<double, kLand.size()> edges_;
};

Pixel MalachiteColor(double u, double v, double s) {
  const double stripes =
      paint::Fraction(u * 0.16 + v * 0.1 + 0.35 * paint::SinTurns(u * 0.06 + v * 0.12));
  const double band = paint::Smoothstep(0.0, 0.5, stripes) * paint::Smoothstep(1.0, 0.6, stripes);
  static constexpr paint::ColorStop kMalachite[] = {
      {0.0, 0x03200D}, {0.35, 0x0B5A2A}, {0.7, 0x1E8F48}, {1.0, 0x63D493}, {1.3, 0xC8F5DA}};
  const double light = CylinderLight(s, 0.1);
  return paint::Ramp(kMalachite, light * (0.75 + 0.35 * band));
}

Pixel BaseColor(double u, double v) {
  const double halfWidth = 12.9 + (v - kBaseTop) * 0.1;
  const double s = paint::Clamp(u / halfWidth, -1.0, 1.0);
  // Seen from a little above, the rings curve down towards the viewer.
  const double ring = v - 1.1 * paint::SafeSqrt(1.0 - s * s);
  const bool green = (ring > 74.9 && ring < 79.6) || (ring > 82.2 && ring < 86.9);
  if (green) return MalachiteColor(u, v, s);
  const double lip =
      paint::Smoothstep(0.9, 0.0, paint::Min(paint::Abs(ring - 74.9), paint::Abs(ring - 86.9)));
  return Gold(CylinderLight(s, 0.0) * (1.0 - 0.3 * lip) + 0.05);
}

paint::Path BaseOutline(const DesignFrame& frame) {
  constexpr int kSteps = 24;
  constexpr double kCurve = 1.4;
  const double bottomHalfWidth = 12.9 + (kBaseBottom - kCurve - kBaseTop) * 0.1;
  std::vector<Point> points = {{-12.9, kBaseTop}, {12.9, kBaseTop}};
  for (int i = 0; i <= kSteps; ++i) {
    const double s = 1.0 - 2.0 * i / kSteps;
    points.push_back(
        {s * bottomHalfWidth, kBaseBottom - kCurve + kCurve * paint::SafeSqrt(1.0 - s * s)});
  }
  paint::Path path;
  path.AddPolygon(frame.ToPixels(points));
  return path;
}

// The hands of the two figures, closing round the globe from below.
paint::Path Arms(const DesignFrame& frame) {
  constexpr std::array<Point, 5> kLeft = {
      {{-6.5, 31.5}, {-10.5, 27.0}, {-12.6, 22.0}, {-13.3, 16.5}, {-12.6, 11.5}}};
  constexpr std::array<Point, 5> kRight = {
      {{6.0, 32.0}, {10.2, 27.6}, {12.6, 22.5}, {13.3, 17.5}, {13.0, 13.0}}};
  paint::Path path;
  const double width = 2.7 * frame.Scale();
  path.AddStroke(frame.ToPixels(kLeft), width);
  path.AddStroke(frame.ToPixels(kRight), width);
  return path;
}

}  // namespace

void PaintWorldCupTrophy(paint::Canvas& canvas, const Box& box) {
  const DesignFrame frame(box, kWorldCupDesignWidth, kWorldCupDesignHeight);
  const auto inDesign = [&frame](auto color) {
    return [&frame, color](double x, double y) { return color(frame.U(x), frame.V(y)); };
  };
  canvas.Shade(BaseOutline(frame), inDesign(BaseColor));
  canvas.Shade(ProfileOutline(frame, kBody, BodyCentre), inDesign(BodyColor));
  const Point globe = frame.ToPixel(kGlobeCentre.x, kGlobeCentre.y);
  canvas.Shade(paint::Path().AddCircle(globe, kGlobeRadius * frame.Scale()), GlobeShader(frame));
  canvas.Shade(Arms(frame), inDesign([](double u, double v) {
                 const double s = u / (kGlobeRadius + 1.0);
                 return Gold(CylinderLight(s, (24.0 - v) / 30.0) + 0.08);
               }));
}

}  // namespace talvora::motifs
