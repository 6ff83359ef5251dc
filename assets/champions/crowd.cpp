#include <algorithm>
#include <vector>

#include "assets/champions/celebration.h"
#include "assets/paint/color.h"
#include "assets/paint/det_math.h"
#include "assets/paint/scatter.h"

namespace talvora::champions {
namespace {

using paint::Canvas;
using paint::Path;
using paint::Point;

// One supporter seen from behind: head, shoulders and perhaps a raised arm.
struct Supporter {
  Point head;
  double headRadius;
  bool armUp;
  Point hand;
  bool waving;
};

struct CrowdRow {
  Pixel body;
  Pixel rim;
  // In order from left to right.
  std::vector<Supporter> supporters;
};

constexpr double kRowSpacing = 12.0;
constexpr double kShoulderDrop = 13.0;
constexpr double kShoulderHeight = 9.0;
constexpr double kArmWidth = 2.6;
// How far from a head's centre a supporter reaches, across and up.
constexpr double kReachLeft = 16.0;
constexpr double kReachRight = 14.0;

double Length(double dx, double dy) { return paint::SafeSqrt(dx * dx + dy * dy); }

double SegmentDistance(Point p, Point a, Point b) {
  const double abx = b.x - a.x;
  const double aby = b.y - a.y;
  const double t =
      paint::Clamp01(((p.x - a.x) * abx + (p.y - a.y) * aby) / (abx * abx + aby * aby));
  return Length(p.x - a.x - t * abx, p.y - a.y - t * aby);
}

// How much of the pixel around p the supporter covers, from the distance
// to the nearest outline.
double CoverageOf(const Supporter& s, Point p) {
  const double rx = s.headRadius * 2.1;
  const double dx = p.x - s.head.x;
  const double dy = p.y - s.head.y;
  // Outside the figure's bounds nothing needs measuring.
  if (dx > rx + 1.0 || dy > kShoulderDrop + kShoulderHeight + 1.0) return 0.0;
  if (!s.armUp && (dx < -rx - 1.0 || dy < -s.headRadius - 1.0)) return 0.0;
  if (s.armUp && (dx < s.hand.x - s.head.x - 3.0 || p.y < s.hand.y - 3.0)) return 0.0;
  double distance = Length(dx, dy) - s.headRadius;
  const double ex = dx / rx;
  const double ey = (dy - kShoulderDrop) / kShoulderHeight;
  distance = paint::Min(distance, (paint::SafeSqrt(ex * ex + ey * ey) - 1.0) * kShoulderHeight);
  if (s.armUp) {
    const Point shoulder{s.head.x - 5.0, s.head.y + 8.0};
    const Point elbow{(s.head.x - 7.0 + s.hand.x) / 2.0, s.head.y - 4.0};
    const double arm =
        paint::Min(SegmentDistance(p, shoulder, elbow), SegmentDistance(p, elbow, s.hand));
    distance = paint::Min(distance, arm - kArmWidth / 2.0);
  }
  return paint::Clamp01(0.5 - distance);
}

// The most any supporter of the row covers of the pixel around p; first is
// the first supporter that can reach that far right.
double RowCoverage(const CrowdRow& row, std::size_t first, Point p) {
  double coverage = 0.0;
  for (std::size_t i = first; i < row.supporters.size(); ++i) {
    const Supporter& s = row.supporters[i];
    if (s.head.x >= p.x + kReachLeft) break;
    coverage = paint::Max(coverage, CoverageOf(s, p));
  }
  return coverage;
}

void DrawSmallFlag(Canvas& canvas, Point hand) {
  canvas.Fill(Path().AddLine({hand.x, hand.y + 2.0}, {hand.x, hand.y - 10.0}, 1.0), 0xC8C0B0);
  canvas.Fill(Path().AddRect(hand.x, hand.y - 10.0, 10.0, 7.0), 0x009C3B);
  canvas.Fill(Path().AddPolygon({{hand.x + 1.5, hand.y - 6.5},
                                 {hand.x + 5.0, hand.y - 9.3},
                                 {hand.x + 8.5, hand.y - 6.5},
                                 {hand.x + 5.0, hand.y - 3.7}}),
              0xFFDF00);
  canvas.Fill(Path().AddCircle({hand.x + 5.0, hand.y - 6.5}, 1.4), 0x002776);
}

std::vector<CrowdRow> SeatCrowd(const Canvas& canvas, double top, Pixel shade, std::uint64_t seed) {
  paint::Scatter scatter(seed);
  const double bottom = canvas.Height() + 4.0;
  std::vector<CrowdRow> rows;
  for (double rowY = top; rowY < bottom; rowY += kRowSpacing) {
    // Rows further forward are darker against the lit pitch behind.
    const Pixel body = paint::Scale(shade, 1.0 - 0.5 * (rowY - top) / (bottom - top));
    CrowdRow row{body, paint::Mix(body, 0xFFF0C0, 0.35), {}};
    for (double x = -6.0 + scatter.Between(0.0, 8.0); x < canvas.Width() + 8.0;
         x += scatter.Between(11.0, 16.0)) {
      Supporter supporter{{x, rowY + scatter.Between(-2.0, 2.0)},
                          scatter.Between(4.6, 5.8),
                          scatter.Next() < 0.22,
                          {},
                          false};
      supporter.hand = {x - 6.0 + scatter.Between(-6.0, 6.0), supporter.head.y - 13.0};
      supporter.waving = supporter.armUp && scatter.Next() < 0.4;
      row.supporters.push_back(supporter);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// The coverage of one row of the crowd over the lines its figures reach,
// one column wider and one line taller than the canvas so that every pixel
// can look one step down and right for its rim.
class RowMask {
 public:
  RowMask(const CrowdRow& row, double rowY, int width, int height)
      : top_(std::max(0, paint::FloorToInt(rowY - 20.0))),
        bottom_(std::min(height + 1, paint::FloorToInt(rowY + 27.0))),
        width_(width + 1),
        alphas_(static_cast<std::size_t>(std::max(0, bottom_ - top_) * width_), 0) {
    for (int y = top_; y < bottom_; ++y) {
      std::size_t first = 0;
      for (int x = 0; x < width_; ++x) {
        const Point p{x + 0.5, y + 0.5};
        while (first < row.supporters.size() && row.supporters[first].head.x < p.x - kReachRight) {
          ++first;
        }
        alphas_[Index(x, y)] =
            static_cast<std::uint16_t>(paint::AlphaOf(RowCoverage(row, first, p)));
      }
    }
  }

  int AlphaAt(int x, int y) const { return y < top_ || y >= bottom_ ? 0 : alphas_[Index(x, y)]; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>((y - top_) * width_ + x);
  }

  int top_;
  int bottom_;
  int width_;
  std::vector<std::uint16_t> alphas_;
};

}  // namespace

void DrawCrowd(Canvas& canvas, double top, Pixel shade, std::uint64_t seed) {
  const std::vector<CrowdRow> rows = SeatCrowd(canvas, top, shade, seed);
  std::vector<RowMask> masks;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    masks.emplace_back(rows[r], top + kRowSpacing * static_cast<double>(r), canvas.Width(),
                       canvas.Height());
  }
  for (int y = std::max(0, paint::FloorToInt(top - 20.0)); y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      // From the back row forwards; the stadium lights catch the upper left
      // edge of every figure.
      Pixel color = canvas.At(x, y);
      for (std::size_t r = 0; r < rows.size(); ++r) {
        color = paint::Over(color, rows[r].rim, masks[r].AlphaAt(x + 1, y + 1));
        color = paint::Over(color, rows[r].body, masks[r].AlphaAt(x, y));
      }
      canvas.Set(x, y, color);
    }
  }
  for (const CrowdRow& row : rows) {
    for (const Supporter& supporter : row.supporters) {
      if (supporter.waving) DrawSmallFlag(canvas, supporter.hand);
    }
  }
}

}  // namespace talvora::champions
