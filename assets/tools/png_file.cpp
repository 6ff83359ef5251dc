#include "assets/tools/png_file.h"

#include <cstdint>
#include <vector>

#include "assets/tools/stb_png.h"

namespace talvora::tools {

bool WritePngFile(const Surface& surface, const std::string& path) {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(surface.Pixels().size() * 3);
  for (const Pixel pixel : surface.Pixels()) {
    rgb.push_back(RedOf(pixel));
    rgb.push_back(GreenOf(pixel));
    rgb.push_back(BlueOf(pixel));
  }
  return StbWritePng(path.c_str(), surface.Width(), surface.Height(), rgb.data());
}

}  // namespace talvora::tools
