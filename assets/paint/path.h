#pragma once

#include <span>
#include <vector>

namespace talvora::paint {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

// A set of closed outlines in pixel coordinates (y grows downwards), filled
// by the non-zero winding rule. The Add functions orient their outlines the
// same way, so shapes added to one path unite; AddHole cuts one out.
class Path {
 public:
  Path& AddPolygon(std::vector<Point> points);
  Path& AddHole(std::vector<Point> points);
  Path& AddRect(double left, double top, double width, double height);
  Path& AddRoundRect(double left, double top, double width, double height, double radius);
  Path& AddEllipse(Point centre, double radiusX, double radiusY);
  Path& AddCircle(Point centre, double radius) { return AddEllipse(centre, radius, radius); }
  // A star with the given number of tips; turns rotates the first tip from
  // straight up, clockwise.
  Path& AddStar(Point centre, double outerRadius, double innerRadius, int tips, double turns = 0.0);
  // A straight band of the given width from a to b, with square ends.
  Path& AddLine(Point from, Point to, double width);
  // A band of the given width along a polyline, with round ends and joins.
  Path& AddStroke(std::span<const Point> points, double width);

  const std::vector<std::vector<Point>>& Outlines() const { return outlines_; }

 private:
  Path& Add(std::vector<Point> points, bool hole);

  std::vector<std::vector<Point>> outlines_;
};

// Points on an ellipse, clockwise on screen from straight up; enough of them
// that the polygon stays within a small fraction of a pixel of the curve.
std::vector<Point> EllipsePoints(Point centre, double radiusX, double radiusY);

}  // namespace talvora::paint
