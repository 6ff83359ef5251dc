// Writes the module's icon: a football on a clear ground, at the three sizes
// Windows shows (16, 32 and 48 pixels), as 32-bit images with alpha.
// Run at build time by the build machine: icon_tool OUTPUT.ico

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace talvora {
namespace {

constexpr std::array<int, 3> kSizes = {16, 32, 48};
constexpr int kSamples = 4;  // per axis, for smooth edges

struct Rgba {
  double red = 0;
  double green = 0;
  double blue = 0;
  double alpha = 0;
};

bool InsidePentagon(double x, double y, double radius, double turn) {
  // A regular pentagon as the intersection of five half-planes.
  const double apothem = radius * std::cos(std::numbers::pi / 5);
  for (int k = 0; k < 5; ++k) {
    const double angle = turn + (2 * std::numbers::pi * k) / 5;
    if (x * std::cos(angle) + y * std::sin(angle) > apothem) return false;
  }
  return true;
}

// The ball, in a unit square centred on (0, 0): a white disc with a dark
// rim, a black patch in the middle and five around it, cut by the rim.
Rgba BallAt(double x, double y) {
  constexpr double kRadius = 0.47;
  constexpr double kRim = 0.035;
  const double distance = std::hypot(x, y);
  if (distance > kRadius) return {};
  constexpr Rgba kPatch{0.08, 0.08, 0.1, 1};
  if (distance > kRadius - kRim) return kPatch;
  constexpr double kUp = -std::numbers::pi / 2;
  if (InsidePentagon(x, y, 0.16, kUp)) return kPatch;
  for (int k = 0; k < 5; ++k) {
    const double angle = kUp + std::numbers::pi / 5 + (2 * std::numbers::pi * k) / 5;
    const double cx = 0.43 * std::cos(angle);
    const double cy = 0.43 * std::sin(angle);
    if (InsidePentagon(x - cx, y - cy, 0.14, angle)) return kPatch;
  }
  // A little shading towards the lower right.
  const double shade = 1 - 0.18 * std::clamp((x + y) / kRadius, 0.0, 1.0);
  return {shade, shade, shade, 1};
}

// Rows bottom-up, each pixel B, G, R, A, as an icon's image stores them.
std::vector<std::uint8_t> Render(int size) {
  std::vector<std::uint8_t> pixels;
  pixels.reserve(static_cast<std::size_t>(size * size * 4));
  for (int row = size - 1; row >= 0; --row) {
    for (int column = 0; column < size; ++column) {
      Rgba sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double x = (column + (sx + 0.5) / kSamples) / size - 0.5;
          const double y = (row + (sy + 0.5) / kSamples) / size - 0.5;
          const Rgba sample = BallAt(x, y);
          sum.red += sample.red * sample.alpha;
          sum.green += sample.green * sample.alpha;
          sum.blue += sample.blue * sample.alpha;
          sum.alpha += sample.alpha;
        }
      }
      const auto channel = [&](double premultiplied) {
        const double value = sum.alpha > 0 ? premultiplied / sum.alpha : 0;
        return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
      };
      pixels.push_back(channel(sum.blue));
      pixels.push_back(channel(sum.green));
      pixels.push_back(channel(sum.red));
      pixels.push_back(
          static_cast<std::uint8_t>(std::lround(255 * sum.alpha / (kSamples * kSamples))));
    }
  }
  return pixels;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// One image of the icon: a BITMAPINFOHEADER of twice the height (colour
// image and mask), the colour rows, then the 1-bit mask, all transparent
// where alpha is 0.
std::vector<std::uint8_t> IconImage(int size) {
  const std::vector<std::uint8_t> pixels = Render(size);
  const auto side = static_cast<std::uint32_t>(size);
  const std::uint32_t maskStride = ((side + 31) / 32) * 4;
  std::vector<std::uint8_t> image;
  Put32(image, 40);
  Put32(image, side);
  Put32(image, side * 2);
  Put16(image, 1);   // planes
  Put16(image, 32);  // bits per pixel
  Put32(image, 0);   // BI_RGB
  Put32(image, side * side * 4 + maskStride * side);
  for (int k = 0; k < 4; ++k) Put32(image, 0);
  image.insert(image.end(), pixels.begin(), pixels.end());
  for (std::uint32_t row = 0; row < side; ++row) {
    std::vector<std::uint8_t> mask(maskStride, 0);
    for (std::uint32_t column = 0; column < side; ++column) {
      if (pixels[(row * side + column) * 4 + 3] == 0) {
        mask[column / 8] = static_cast<std::uint8_t>(mask[column / 8] | (0x80 >> (column % 8)));
      }
    }
    image.insert(image.end(), mask.begin(), mask.end());
  }
  return image;
}

std::vector<std::uint8_t> IconFile() {
  std::vector<std::vector<std::uint8_t>> images;
  for (int size : kSizes) images.push_back(IconImage(size));
  std::vector<std::uint8_t> file;
  Put16(file, 0);  // reserved
  Put16(file, 1);  // an icon
  Put16(file, static_cast<std::uint32_t>(images.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t k = 0; k < images.size(); ++k) {
    file.push_back(static_cast<std::uint8_t>(kSizes[k]));
    file.push_back(static_cast<std::uint8_t>(kSizes[k]));
    file.push_back(0);  // no palette
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<std::uint32_t>(images[k].size()));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(images[k].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  return file;
}

}  // namespace
}  // namespace talvora

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: icon_tool OUTPUT.ico\n";
    return 2;
  }
  const std::vector<std::uint8_t> icon = talvora::IconFile();
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(icon.data()), static_cast<std::streamsize>(icon.size()));
  return out ? 0 : 1;
}
