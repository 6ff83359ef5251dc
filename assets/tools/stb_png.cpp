#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "assets/tools/stb_png.h"

#include <stb/stb_image_write.h>

namespace talvora::tools {

bool StbWritePng(const char* path, int width, int height, const std::uint8_t* rgb) {
  return stbi_write_png(path, width, height, 3, rgb, width * 3) != 0;
}

}  // namespace talvora::tools
