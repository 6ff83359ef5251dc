#include "assets/paint/resample.h"

#include <vector>

#include "assets/paint/color.h"
#include "assets/paint/det_math.h"

namespace talvora::paint {
namespace {

// How much of one new pixel each source pixel of a line covers.
struct Tap {
  int source;
  double weight;
};

// For each of count new pixels, the source pixels of [start, start + length)
// under it, their weights summing to 1.
std::vector<std::vector<Tap>> Taps(int start, int length, int count) {
  const double step = static_cast<double>(length) / count;
  std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double from = i * step;
    const double to = (i + 1) * step;
    for (int s = FloorToInt(from); s < to && s < length; ++s) {
      const double covered = Min(to, s + 1.0) - Max(from, static_cast<double>(s));
      if (covered > 0.0) taps[static_cast<std::size_t>(i)].push_back({start + s, covered / step});
    }
  }
  return taps;
}

}  // namespace

Surface Shrink(const Surface& source, const PixelRect& from, int width, int height) {
  const auto columns = Taps(from.left, from.width, width);
  const auto rows = Taps(from.top, from.height, height);
  Surface shrunk(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      double red = 0.0;
      double green = 0.0;
      double blue = 0.0;
      for (const Tap& row : rows[static_cast<std::size_t>(y)]) {
        for (const Tap& column : columns[static_cast<std::size_t>(x)]) {
          const Pixel pixel = source.At(column.source, row.source);
          const double weight = row.weight * column.weight;
          red += RedOf(pixel) * weight;
          green += GreenOf(pixel) * weight;
          blue += BlueOf(pixel) * weight;
        }
      }
      shrunk.At(x, y) = RgbOf(red, green, blue);
    }
  }
  return shrunk;
}

}  // namespace talvora::paint
