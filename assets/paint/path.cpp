#include "assets/paint/path.h"

#include <algorithm>

#include "assets/paint/det_math.h"

namespace talvora::paint {
namespace {

double SignedArea(const std::vector<Point>& points) {
  double twiceArea = 0.0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point& a = points[i];
    const Point& b = points[(i + 1) % points.size()];
    twiceArea += a.x * b.y - b.x * a.y;
  }
  return twiceArea / 2.0;
}

int SegmentsFor(double radius) { return std::clamp(FloorToInt(radius * 2.0) + 8, 12, 360); }

}  // namespace

std::vector<Point> EllipsePoints(Point centre, double radiusX, double radiusY) {
  const int segments = SegmentsFor(std::max(radiusX, radiusY));
  std::vector<Point> points;
  points.reserve(static_cast<std::size_t>(segments));
  for (int i = 0; i < segments; ++i) {
    const double turns = static_cast<double>(i) / segments;
    points.push_back({centre.x + radiusX * SinTurns(turns), centre.y - radiusY * CosTurns(turns)});
  }
  return points;
}

Path& Path::Add(std::vector<Point> points, bool hole) {
  if (points.size() < 3) return *this;
  const bool clockwise = SignedArea(points) > 0.0;
  if (clockwise == hole) std::reverse(points.begin(), points.end());
  outlines_.push_back(std::move(points));
  return *this;
}

Path& Path::AddPolygon(std::vector<Point> points) { return Add(std::move(points), false); }

Path& Path::AddHole(std::vector<Point> points) { return Add(std::move(points), true); }

Path& Path::AddRect(double left, double top, double width, double height) {
  return AddPolygon(
      {{left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}});
}

Path& Path::AddRoundRect(double left, double top, double width, double height, double radius) {
  // A quarter circle at each corner, clockwise from the top right.
  constexpr int kCornerSteps = 8;
  const Point corners[] = {{left + width - radius, top + radius},
                           {left + width - radius, top + height - radius},
                           {left + radius, top + height - radius},
                           {left + radius, top + radius}};
  std::vector<Point> points;
  for (int corner = 0; corner < 4; ++corner) {
    for (int i = 0; i <= kCornerSteps; ++i) {
      const double turns = (corner + static_cast<double>(i) / kCornerSteps) / 4.0;
      points.push_back({corners[corner].x + radius * SinTurns(turns),
                        corners[corner].y - radius * CosTurns(turns)});
    }
  }
  return AddPolygon(std::move(points));
}

Path& Path::AddEllipse(Point centre, double radiusX, double radiusY) {
  return AddPolygon(EllipsePoints(centre, radiusX, radiusY));
}

Path& Path::AddStar(Point centre, double outerRadius, double innerRadius, int tips, double turns) {
  std::vector<Point> points;
  for (int i = 0; i < 2 * tips; ++i) {
    const double radius = i % 2 == 0 ? outerRadius : innerRadius;
    const double angle = turns + static_cast<double>(i) / (2.0 * tips);
    points.push_back({centre.x + radius * SinTurns(angle), centre.y - radius * CosTurns(angle)});
  }
  return AddPolygon(std::move(points));
}

Path& Path::AddLine(Point from, Point to, double width) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double length = SafeSqrt(dx * dx + dy * dy);
  if (length <= 0.0) return *this;
  const double nx = -dy / length * width / 2.0;
  const double ny = dx / length * width / 2.0;
  return AddPolygon({{from.x + nx, from.y + ny},
                     {to.x + nx, to.y + ny},
                     {to.x - nx, to.y - ny},
                     {from.x - nx, from.y - ny}});
}

Path& Path::AddStroke(std::span<const Point> points, double width) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    AddCircle(points[i], width / 2.0);
    if (i + 1 < points.size()) AddLine(points[i], points[i + 1], width);
  }
  return *this;
}

}  // namespace talvora::paint
