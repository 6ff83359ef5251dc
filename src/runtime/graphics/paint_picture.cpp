#include "runtime/graphics/paint_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <span>
#include <type_traits>

#include "common/rounding.h"

namespace talvora {
namespace {

// Where the picture lands along one axis of the target.
struct Axis {
  std::int64_t start = 0;  // the destination span [start, end), in target pixels
  std::int64_t end = 0;
  std::int64_t visible_start = 0;  // the part of that span on the target
  std::int64_t visible_end = 0;
  int source = 0;  // the picture's extent along this axis
  bool mirrored = false;

  std::int64_t Extent() const { return end - start; }
  std::int64_t FirstVisible() const { return visible_start - start; }
  std::size_t VisibleCount() const { return static_cast<std::size_t>(visible_end - visible_start); }
  bool OneToOne() const { return !mirrored && Extent() == source; }
};

// The span of one axis and its part within [0, target_extent); nothing when no pixel is visible.
// Edges are 32-bit (RoundToInt32 saturates), their difference is kept in 64 bits.
std::optional<Axis> PlaceAxis(double origin, std::optional<double> extent, int source,
                              int target_extent) {
  if (!std::isfinite(origin)) return std::nullopt;
  Axis axis;
  axis.source = source;
  axis.start = RoundToInt32(origin);
  axis.end = axis.start + source;
  if (extent) {
    const double far = origin + *extent;
    if (!std::isfinite(far)) return std::nullopt;
    const std::int64_t far_edge = RoundToInt32(far);
    axis.mirrored = far_edge < axis.start;
    axis.end = std::max(axis.start, far_edge);
    axis.start = std::min(axis.start, far_edge);
  }
  axis.visible_start = std::max<std::int64_t>(axis.start, 0);
  axis.visible_end = std::min<std::int64_t>(axis.end, target_extent);
  if (axis.visible_end <= axis.visible_start) return std::nullopt;
  return axis;
}

// The source index under the centre of each destination pixel of one axis, from the first
// visible one on: floor((i + 1/2) * source / extent) for destination pixel i, counted from the far
// end when the axis is mirrored, so that a mirrored draw is the exact mirror image of the plain
// one. It is kept as the exact quotient and remainder of (2i + 1) * source / (2 * extent), so
// that a step needs no division. Every term fits 64 bits: i and extent stay below 2^32 and source
// below 2^31.
class NearestSource {
 public:
  explicit NearestSource(const Axis& axis)
      : mirrored_(axis.mirrored),
        denominator_(2 * static_cast<std::uint64_t>(axis.Extent())),
        quotient_step_(2 * static_cast<std::uint64_t>(axis.source) / denominator_),
        remainder_step_(2 * static_cast<std::uint64_t>(axis.source) % denominator_) {
    const std::int64_t first =
        mirrored_ ? axis.Extent() - 1 - axis.FirstVisible() : axis.FirstVisible();
    const std::uint64_t numerator =
        (2 * static_cast<std::uint64_t>(first) + 1) * static_cast<std::uint64_t>(axis.source);
    quotient_ = numerator / denominator_;
    remainder_ = numerator % denominator_;
  }

  int Next() {
    const int index = static_cast<int>(quotient_);
    if (mirrored_) {
      StepBack();
    } else {
      StepForward();
    }
    return index;
  }

 private:
  void StepForward() {
    quotient_ += quotient_step_;
    remainder_ += remainder_step_;
    if (remainder_ >= denominator_) {
      remainder_ -= denominator_;
      ++quotient_;
    }
  }

  // Past the first destination pixel the quotient wraps around; it is never read then.
  void StepBack() {
    quotient_ -= quotient_step_;
    if (remainder_ < remainder_step_) {
      remainder_ += denominator_;
      --quotient_;
    }
    remainder_ -= remainder_step_;
  }

  bool mirrored_;
  std::uint64_t denominator_;
  std::uint64_t quotient_step_;
  std::uint64_t remainder_step_;
  std::uint64_t quotient_ = 0;
  std::uint64_t remainder_ = 0;
};

struct CopySource {
  static Pixel Combine(Pixel /*dest*/, Pixel source) { return source; }
};
struct AndSource {
  static Pixel Combine(Pixel dest, Pixel source) { return dest & source; }
};
struct XorSource {
  static Pixel Combine(Pixel dest, Pixel source) { return dest ^ source; }
};

template <typename Op>
void CombineSpan(std::span<Pixel> dest, std::span<const Pixel> source) {
  if constexpr (std::is_same_v<Op, CopySource>) {
    std::memcpy(dest.data(), source.data(), dest.size_bytes());
  } else {
    for (std::size_t i = 0; i < dest.size(); ++i) dest[i] = Op::Combine(dest[i], source[i]);
  }
}

// Columns map one to one: each destination row is a straight span of a source row.
template <typename Op>
void DrawSpans(Surface& target, const Picture& picture, const Axis& h, const Axis& v) {
  const auto left = static_cast<std::size_t>(h.visible_start);
  const auto first = static_cast<std::size_t>(h.FirstVisible());
  const std::size_t count = h.VisibleCount();
  NearestSource rows(v);
  for (auto y = v.visible_start; y < v.visible_end; ++y) {
    CombineSpan<Op>(target.Row(static_cast<int>(y)).subspan(left, count),
                    picture.Row(rows.Next()).subspan(first, count));
  }
}

// Columns are stretched or mirrored: the source column of each destination column is worked out
// once per call, a chunk of columns at a time into a buffer on the stack, then used for every row.
template <typename Op>
void DrawStretched(Surface& target, const Picture& picture, const Axis& h, const Axis& v) {
  constexpr std::size_t kChunk = 512;
  std::array<int, kChunk> columns;
  NearestSource column_source(h);
  const std::size_t visible = h.VisibleCount();
  for (std::size_t done = 0; done < visible; done += kChunk) {
    const std::size_t count = std::min(kChunk, visible - done);
    for (std::size_t i = 0; i < count; ++i) columns[i] = column_source.Next();
    const auto left = static_cast<std::size_t>(h.visible_start) + done;
    NearestSource rows(v);
    for (auto y = v.visible_start; y < v.visible_end; ++y) {
      const std::span<Pixel> dest = target.Row(static_cast<int>(y)).subspan(left, count);
      const std::span<const Pixel> source = picture.Row(rows.Next());
      for (std::size_t i = 0; i < count; ++i) {
        dest[i] = Op::Combine(dest[i], source[static_cast<std::size_t>(columns[i])]);
      }
    }
  }
}

template <typename Op>
void Draw(Surface& target, const Picture& picture, const Axis& h, const Axis& v) {
  if (h.OneToOne()) {
    DrawSpans<Op>(target, picture, h, v);
  } else {
    DrawStretched<Op>(target, picture, h, v);
  }
}

}  // namespace

void PaintPicture(Surface& target, const Picture& picture, double x, double y,
                  std::optional<double> width, std::optional<double> height, RasterOp op) {
  if (picture.Empty()) return;
  const std::optional<Axis> h = PlaceAxis(x, width, picture.Width(), target.Width());
  const std::optional<Axis> v = PlaceAxis(y, height, picture.Height(), target.Height());
  if (!h || !v) return;
  switch (op) {
    case RasterOp::kSrcCopy:
      Draw<CopySource>(target, picture, *h, *v);
      return;
    case RasterOp::kSrcAnd:
      Draw<AndSource>(target, picture, *h, *v);
      return;
    case RasterOp::kSrcInvert:
      Draw<XorSource>(target, picture, *h, *v);
      return;
  }
}

void PaintPictureClipped(Surface& target, const Picture& picture, int x, int y,
                         const PixelRect& clip) {
  const PixelRect visible = Intersection({x, y, picture.Width(), picture.Height()}, clip);
  if (visible.Empty()) return;
  const Picture part =
      picture.Part({visible.left - x, visible.top - y, visible.width, visible.height});
  PaintPicture(target, part, visible.left, visible.top);
}

}  // namespace talvora
