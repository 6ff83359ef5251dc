#pragma once

#include <cstdint>

namespace talvora::tools {

// The one call into stb_image_write, which is compiled apart with its own
// warning settings: rows of 8-bit red, green and blue, top row first.
bool StbWritePng(const char* path, int width, int height, const std::uint8_t* rgb);

}  // namespace talvora::tools
