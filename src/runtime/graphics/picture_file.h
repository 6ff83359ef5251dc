#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "runtime/graphics/picture.h"
#include "runtime/graphics/surface.h"

namespace talvora {

// Limits that keep a damaged or hostile file from costing more than a large real picture would.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{64} << 20;
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{64} << 20;

// A loaded picture, or why there is none.
struct PictureLoadResult {
  std::optional<Picture> picture;
  std::string error;  // empty when the picture loaded
};

// Reads a BMP, GIF (its first frame), JPEG or PNG picture. Transparent pixels are laid over
// black: pictures here are opaque. A missing, unreadable, oversized or damaged file gives an
// error, never an exception.
PictureLoadResult LoadPicture(const std::filesystem::path& path);

// The same from the bytes of a picture file.
PictureLoadResult DecodePicture(std::span<const unsigned char> bytes);

// Writes the surface as a 24-bit PNG; false when it is empty or cannot be written.
bool WritePng(const Surface& surface, const std::filesystem::path& path);

}  // namespace talvora
