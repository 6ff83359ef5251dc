#pragma once

#include <span>
#include <vector>

#include "assets/motifs/trophies.h"
#include "assets/motifs/vec3.h"
#include "assets/paint/canvas.h"

namespace talvora::motifs {

// Maps a trophy's design units to pixels of its box: u runs from -width/2 at
// the left to +width/2, v from 0 at the top down to height.
class DesignFrame {
 public:
  DesignFrame(const Box& box, double designWidth, double designHeight)
      : box_(box),
        designWidth_(designWidth),
        scaleX_(box.width / designWidth),
        scaleY_(box.height / designHeight) {}

  paint::Point ToPixel(double u, double v) const {
    return {box_.left + (u + designWidth_ / 2.0) * scaleX_, box_.top + v * scaleY_};
  }
  double U(double x) const { return (x - box_.left) / scaleX_ - designWidth_ / 2.0; }
  double V(double y) const { return (y - box_.top) / scaleY_; }
  // Pixels per design unit, across.
  double Scale() const { return scaleX_; }

  std::vector<paint::Point> ToPixels(std::span<const paint::Point> designPoints) const;

 private:
  Box box_;
  double designWidth_;
  double scaleX_;
  double scaleY_;
};

// Half widths of a round body at some heights, smoothly joined.
struct ProfilePoint {
  double v;
  double halfWidth;
};
double HalfWidthAt(std::span<const ProfilePoint> profile, double v);

// The outline of a body of revolution with the profile, its axis at
// u = centreAt(v), in pixels.
template <class Centre>
paint::Path ProfileOutline(const DesignFrame& frame, std::span<const ProfilePoint> profile,
                           Centre&& centreAt) {
  // Every profile point is on the outline, with steps of at most kStep
  // between them, so corners stay sharp and curves smooth.
  constexpr double kStep = 0.5;
  std::vector<double> heights = {profile.front().v};
  for (std::size_t i = 1; i < profile.size(); ++i) {
    const double from = profile[i - 1].v;
    const int steps = static_cast<int>((profile[i].v - from) / kStep) + 1;
    for (int k = 1; k <= steps; ++k) heights.push_back(from + (profile[i].v - from) * k / steps);
  }
  std::vector<paint::Point> points;
  for (const double v : heights) {
    points.push_back(frame.ToPixel(centreAt(v) - HalfWidthAt(profile, v), v));
  }
  for (auto v = heights.rbegin(); v != heights.rend(); ++v) {
    points.push_back(frame.ToPixel(centreAt(*v) + HalfWidthAt(profile, *v), *v));
  }
  paint::Path path;
  path.AddPolygon(std::move(points));
  return path;
}

// Polished gold for a light value: about 0 in shadow, 1 fully lit, more in
// the highlight.
Pixel Gold(double light);

// The light on a round body at s, the position across it from -1 (left
// edge) to +1 (right edge); tilt leans the surface up (+) or down (-).
double CylinderLight(double s, double tilt);

}  // namespace talvora::motifs
