// Writes the module's icon: a football on a clear ground, at the three sizes
// Windows shows (16, 32 and 48 pixels), as 32-bit images with alpha.
// Run at build time by the build machine: icon_tool OUTPUT.ico

#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

#include "assets/pictures.h"

namespace talvora {
namespace {

constexpr std::array<int, 3> kSizes = {16, 32, 48};

// Rows bottom-up, each pixel B, G, R, A, as an icon's image stores them.
std::vector<std::uint8_t> Render(int size) {
  const ClearPicture icon = MakeProductIconLayers(size);
  std::vector<std::uint8_t> pixels;
  pixels.reserve(static_cast<std::size_t>(size * size * 4));
  for (int row = size - 1; row >= 0; --row) {
    for (int column = 0; column < size; ++column) {
      const Pixel color = icon.color.At(column, row);
      pixels.push_back(BlueOf(color));
      pixels.push_back(GreenOf(color));
      pixels.push_back(RedOf(color));
      pixels.push_back(BlueOf(icon.opacity.At(column, row)));
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
