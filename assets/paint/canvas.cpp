#include "assets/paint/canvas.h"

#include <algorithm>

#include "assets/paint/det_math.h"

namespace talvora::paint {
namespace {

constexpr int kSampleLines = 5;

// An outline edge that is not horizontal, with top.y < bottom.y; winding is
// +1 when the outline runs downwards along it.
struct Edge {
  Point top;
  Point bottom;
  int winding;

  double XAt(double y) const {
    return top.x + (y - top.y) * (bottom.x - top.x) / (bottom.y - top.y);
  }
};

struct Crossing {
  double x;
  int winding;
};

std::vector<Edge> EdgesOf(const Path& path) {
  std::vector<Edge> edges;
  for (const std::vector<Point>& outline : path.Outlines()) {
    for (std::size_t i = 0; i < outline.size(); ++i) {
      const Point& a = outline[i];
      const Point& b = outline[(i + 1) % outline.size()];
      if (a.y < b.y) edges.push_back({a, b, 1});
      if (b.y < a.y) edges.push_back({b, a, -1});
    }
  }
  std::sort(edges.begin(), edges.end(),
            [](const Edge& l, const Edge& r) { return l.top.y < r.top.y; });
  return edges;
}

PixelRect BoxOf(const std::vector<Edge>& edges, const PixelRect& clip) {
  if (edges.empty()) return {clip.left, clip.top, 0, 0};
  double left = edges.front().top.x;
  double right = left;
  double top = edges.front().top.y;
  double bottom = top;
  for (const Edge& edge : edges) {
    left = std::min({left, edge.top.x, edge.bottom.x});
    right = std::max({right, edge.top.x, edge.bottom.x});
    top = std::min(top, edge.top.y);
    bottom = std::max(bottom, edge.bottom.y);
  }
  const PixelRect box{FloorToInt(left), FloorToInt(top), FloorToInt(right) - FloorToInt(left) + 1,
                      FloorToInt(bottom) - FloorToInt(top) + 1};
  return Intersection(box, clip);
}

// Coverage of one pixel row: partial pixels at the ends of spans are added
// directly, whole pixels between them through a running sum, so a long
// span costs no more than a short one.
class RowCoverage {
 public:
  RowCoverage(int left, int width)
      : left_(left), partial_(static_cast<std::size_t>(width)), steps_(partial_.size() + 1) {}

  void Clear() {
    std::fill(partial_.begin(), partial_.end(), 0.0);
    std::fill(steps_.begin(), steps_.end(), 0.0);
  }

  // Adds weight times the covered part of each pixel of [from, to).
  void AddSpan(double from, double to, double weight) {
    const double left = std::max(from, static_cast<double>(left_));
    const double right = std::min(to, static_cast<double>(left_) + Width());
    if (right <= left) return;
    const int first = FloorToInt(left);
    const int last = FloorToInt(right);
    if (first == last) {
      Partial(first) += (right - left) * weight;
      return;
    }
    Partial(first) += (first + 1 - left) * weight;
    steps_[Index(first + 1)] += weight;
    steps_[Index(last)] -= weight;
    if (last < left_ + Width()) Partial(last) += (right - last) * weight;
  }

  // The total coverage of each pixel, in order.
  template <class Take>
  void Collect(Take&& take) const {
    double whole = 0.0;
    for (std::size_t i = 0; i < partial_.size(); ++i) {
      whole += steps_[i];
      take(static_cast<int>(i), partial_[i] + whole);
    }
  }

 private:
  int Width() const { return static_cast<int>(partial_.size()); }
  std::size_t Index(int x) const { return static_cast<std::size_t>(x - left_); }
  double& Partial(int x) { return partial_[Index(x)]; }

  int left_;
  std::vector<double> partial_;
  std::vector<double> steps_;
};

}  // namespace

Coverage Rasterize(const Path& path, const PixelRect& clip) {
  const std::vector<Edge> edges = EdgesOf(path);
  const PixelRect box = BoxOf(edges, clip);
  if (box.Empty()) return {};
  std::vector<std::uint16_t> alphas(static_cast<std::size_t>(box.width * box.height), 0);
  RowCoverage row(box.left, box.width);
  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  std::size_t next = 0;
  constexpr double kWeight = 1.0 / kSampleLines;
  for (int y = box.top; y < box.Bottom(); ++y) {
    row.Clear();
    const double rowBottom = y + 1.0;
    while (next < edges.size() && edges[next].top.y < rowBottom) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* edge) { return edge->bottom.y <= y; });
    for (int line = 0; line < kSampleLines; ++line) {
      const double sampleY = y + (line + 0.5) * kWeight;
      crossings.clear();
      for (const Edge* edge : active) {
        if (edge->top.y <= sampleY && sampleY < edge->bottom.y) {
          crossings.push_back({edge->XAt(sampleY), edge->winding});
        }
      }
      std::sort(crossings.begin(), crossings.end(),
                [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
      int winding = 0;
      for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].winding;
        if (winding != 0) row.AddSpan(crossings[i].x, crossings[i + 1].x, kWeight);
      }
    }
    const std::size_t rowStart = static_cast<std::size_t>((y - box.top) * box.width);
    row.Collect([&](int x, double covered) {
      alphas[rowStart + static_cast<std::size_t>(x)] = static_cast<std::uint16_t>(AlphaOf(covered));
    });
  }
  return {box, std::move(alphas)};
}

void Canvas::FillRect(const PixelRect& rect, Pixel color) {
  const PixelRect clipped = Intersection(rect, Bounds());
  surface_->FillRect(
      {clipped.left + area_.left, clipped.top + area_.top, clipped.width, clipped.height}, color);
}

void Canvas::BlendRect(const PixelRect& rect, Pixel color, int alpha) {
  const PixelRect clipped = Intersection(rect, Bounds());
  for (int y = clipped.top; y < clipped.Bottom(); ++y) {
    for (int x = clipped.left; x < clipped.Right(); ++x) Set(x, y, Over(At(x, y), color, alpha));
  }
}

}  // namespace talvora::paint
