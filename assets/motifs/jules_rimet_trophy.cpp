#include <array>

#include "assets/motifs/trophies.h"
#include "assets/motifs/trophy_design.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"

namespace talvora::motifs {
namespace {

using paint::Point;

// The octagonal cup, from its rim down to its foot.
constexpr std::array<ProfilePoint, 7> kCup = {
    {{1.8, 16.6}, {4.4, 16.6}, {5.2, 15.8}, {10.0, 13.2}, {15.0, 8.6}, {17.6, 3.4}, {20.5, 3.0}}};

// Victory's robe, from the shoulders to the hem.
constexpr std::array<ProfilePoint, 7> kRobe = {
    {{29.0, 3.2}, {31.5, 4.9}, {35.0, 4.6}, {41.0, 3.5}, {49.0, 4.5}, {58.0, 6.0}, {66.0, 7.8}}};

constexpr std::array<ProfilePoint, 3> kPlinth = {{{65.0, 8.2}, {68.0, 9.0}, {71.0, 9.0}}};

// The lapis base: a slab, the block, a broader foot.
constexpr std::array<ProfilePoint, 6> kBase = {
    {{70.6, 11.6}, {73.6, 11.6}, {73.7, 10.2}, {91.6, 10.2}, {91.7, 12.4}, {95.6, 12.4}}};

double Upright(double) { return 0.0; }

// Flat shading of the four faces of an octagonal body that face the viewer.
double OctagonLight(double s, double tilt) {
  constexpr double kFacetCentres[] = {-0.924, -0.383, 0.383, 0.924};
  const int facet = s < -0.707 ? 0 : (s < 0.0 ? 1 : (s < 0.707 ? 2 : 3));
  const double edge =
      paint::Min(paint::Abs(s + 0.707), paint::Min(paint::Abs(s), paint::Abs(s - 0.707)));
  const double light = CylinderLight(kFacetCentres[facet], tilt);
  return light + 0.25 * paint::Smoothstep(0.08, 0.0, edge);
}

Pixel CupColor(double u, double v) {
  const double s = u / HalfWidthAt(kCup, v);
  const double rim = v < 4.6 ? 0.12 : 0.0;
  const double tilt = v < 4.6 ? 0.3 : -(v - 4.6) / 16.0;
  return Gold(OctagonLight(s, tilt) + rim);
}

Pixel CupInsideColor(double u, double) {
  return Gold(0.22 + 0.25 * paint::Clamp01(u / 16.0 + 0.5));
}

// Rows of feathers follow the wing up to its tip at the rim of the cup.
Pixel WingColor(double u, double v) {
  const double side = u < 0.0 ? -1.0 : 1.0;
  const double out = paint::Abs(u);
  const double feather = paint::Fraction((v * 0.55 + out * 0.9) / 2.6);
  const double groove = paint::Smoothstep(0.22, 0.0, paint::Min(feather, 1.0 - feather));
  const double quill = paint::Fraction(out / 2.4 - v / 14.0);
  const double shaft = paint::Smoothstep(0.15, 0.0, paint::Min(quill, 1.0 - quill));
  const Vec3 normal = Normalized({side * (0.35 + out / 30.0), 0.25, 0.85});
  const Lighting light = LightFromUpperLeft(normal, 12);
  const double value = 0.22 + 0.75 * light.diffuse + 0.4 * light.specular;
  return Gold(value * (1.0 - 0.38 * groove) - 0.12 * shaft);
}

Pixel RobeColor(double u, double v) {
  const double s = u / HalfWidthAt(kRobe, v);
  const double fold = paint::Fraction(s * 2.2 + v * 0.015);
  const double crease = paint::Smoothstep(0.2, 0.0, paint::Min(fold, 1.0 - fold));
  const double belt = paint::Smoothstep(1.0, 0.0, paint::Abs(v - 40.5));
  return Gold(CylinderLight(s, 0.0) * (1.0 - 0.3 * crease) - 0.2 * belt);
}

Pixel PlinthColor(double u, double v) {
  const double s = u / HalfWidthAt(kPlinth, v);
  return Gold(OctagonLight(s, v < 66.2 ? 0.5 : 0.0));
}

// Deep blue lapis lazuli, clouded, with specks of gold pyrite.
Pixel LapisColor(double u, double v) {
  const double s = u / HalfWidthAt(kBase, v);
  const double cloud = paint::SinTurns(u * 0.11 + v * 0.07) + paint::SinTurns(v * 0.19 - u * 0.05);
  const double ledge = (v < 73.6 || v > 91.6) ? 0.12 : 0.0;
  const double topFace = paint::Smoothstep(71.6, 70.6, v) * 0.35;
  const double light = 0.45 + 0.55 * CylinderLight(s * 0.6, 0.0) + ledge + topFace;
  static constexpr paint::ColorStop kLapis[] = {
      {0.0, 0x050B2E}, {0.45, 0x12237A}, {0.8, 0x2546B8}, {1.1, 0x5277E0}, {1.4, 0xA8C0F5}};
  Pixel color = paint::Ramp(kLapis, light + 0.07 * cloud);
  const double speck = paint::Fraction((u * 12.9898 + v * 78.233) * 0.137) *
                       paint::Fraction((u * 39.346 - v * 11.135) * 0.271);
  if (speck > 0.8) color = paint::Mix(color, Gold(0.9), 0.55);
  return color;
}

Pixel PlaqueColor(double u, double v) {
  const double engraved = paint::Smoothstep(0.35, 0.0, paint::Abs(paint::Fraction(v / 2.1) - 0.5));
  return Gold(0.95 - 0.25 * engraved - 0.015 * u);
}

paint::Path Wings(const DesignFrame& frame) {
  constexpr std::array<Point, 8> kLeft = {{{-15.6, 8.5},
                                           {-15.2, 14.5},
                                           {-12.4, 22.5},
                                           {-8.2, 29.5},
                                           {-4.6, 34.5},
                                           {0.4, 34.5},
                                           {0.4, 18.0},
                                           {-9.0, 11.0}}};
  std::array<Point, 8> right = kLeft;
  for (Point& p : right) p.x = -p.x;
  paint::Path path;
  path.AddPolygon(frame.ToPixels(kLeft));
  path.AddPolygon(frame.ToPixels(right));
  return path;
}

paint::Path Arms(const DesignFrame& frame) {
  constexpr std::array<Point, 3> kLeft = {{{-3.6, 32.0}, {-4.0, 26.0}, {-3.0, 19.5}}};
  constexpr std::array<Point, 3> kRight = {{{3.6, 32.0}, {4.0, 26.0}, {3.0, 19.5}}};
  paint::Path path;
  path.AddStroke(frame.ToPixels(kLeft), 2.1 * frame.Scale());
  path.AddStroke(frame.ToPixels(kRight), 2.1 * frame.Scale());
  return path;
}

}  // namespace

void PaintJulesRimetTrophy(paint::Canvas& canvas, const Box& box) {
  const DesignFrame frame(box, kJulesRimetDesignWidth, kJulesRimetDesignHeight);
  const auto inDesign = [&frame](auto color) {
    return [&frame, color](double x, double y) { return color(frame.U(x), frame.V(y)); };
  };
  canvas.Shade(ProfileOutline(frame, kBase, Upright), inDesign(LapisColor));
  paint::Path plaque;
  plaque.AddPolygon(
      frame.ToPixels(std::array<Point, 4>{{{-5.4, 78.0}, {5.4, 78.0}, {5.4, 85.5}, {-5.4, 85.5}}}));
  canvas.Shade(plaque, inDesign(PlaqueColor));
  canvas.Shade(ProfileOutline(frame, kPlinth, Upright), inDesign(PlinthColor));
  canvas.Shade(Wings(frame), inDesign(WingColor));
  canvas.Shade(ProfileOutline(frame, kRobe, Upright), inDesign(RobeColor));
  const Point head = frame.ToPixel(0.0, 25.8);
  canvas.Shade(paint::Path().AddCircle(head, 2.5 * frame.Scale()), inDesign([](double u, double v) {
                 return Gold(CylinderLight(u / 2.5, (25.8 - v) / 2.5) + 0.1);
               }));
  canvas.Shade(Arms(frame), inDesign([](double u, double v) {
                 return Gold(CylinderLight(u / 5.0, (26.0 - v) / 20.0) + 0.1);
               }));
  canvas.Shade(ProfileOutline(frame, kCup, Upright), inDesign(CupColor));
  const Point mouth = frame.ToPixel(0.0, 2.7);
  canvas.Shade(paint::Path().AddEllipse(mouth, 15.6 * frame.Scale(), 1.15 * frame.Scale()),
               inDesign(CupInsideColor));
}

}  // namespace talvora::motifs
