#include "runtime/graphics/picture_file.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "runtime/graphics/jpeg_tables.h"
#include "runtime/graphics/png_chunks.h"
#include "runtime/graphics/stb_codecs.h"

namespace talvora {
namespace {

static_assert(kMaxPictureFileBytes <= std::size_t{0x7FFFFFFF}, "stb takes lengths as int");

PictureLoadResult Failure(std::string why) { return {std::nullopt, std::move(why)}; }

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

// The whole file, or nothing with `error` set; the size is checked before anything is read.
std::optional<std::vector<unsigned char>> ReadCapped(const std::filesystem::path& path,
                                                     std::string& error) {
  std::error_code failure;
  const std::filesystem::file_status status = std::filesystem::status(path, failure);
  if (!std::filesystem::exists(status)) {
    error = "no such file";
    return std::nullopt;
  }
  if (!std::filesystem::is_regular_file(status)) {
    error = "not a file";
    return std::nullopt;
  }
  const std::uintmax_t size = std::filesystem::file_size(path, failure);
  if (failure) {
    error = "cannot read the file";
    return std::nullopt;
  }
  if (size > kMaxPictureFileBytes) {
    error = "the file is larger than 64 MiB";
    return std::nullopt;
  }
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  std::ifstream in(path, std::ios::binary);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in || in.gcount() != static_cast<std::streamsize>(bytes.size())) {
    error = "cannot read the file";
    return std::nullopt;
  }
  return bytes;
}

bool WithinCaps(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         std::int64_t{width} * height <= kMaxPicturePixels;
}

// Straight RGBA to opaque pixels, laid over black.
Surface OverBlack(const stbi_uc* rgba, int width, int height) {
  Surface surface(width, height);
  const auto over_black = [](unsigned channel, unsigned alpha) {
    return static_cast<std::uint8_t>((channel * alpha + 127) / 255);
  };
  for (int y = 0; y < height; ++y) {
    for (Pixel& pixel : surface.Row(y)) {
      const unsigned alpha = rgba[3];
      pixel =
          Rgb(over_black(rgba[0], alpha), over_black(rgba[1], alpha), over_black(rgba[2], alpha));
      rgba += 4;
    }
  }
  return surface;
}

void AppendBytes(void* context, void* data, int size) {
  auto& out = *static_cast<std::vector<unsigned char>*>(context);
  const auto* bytes = static_cast<const unsigned char*>(data);
  out.insert(out.end(), bytes, bytes + static_cast<std::size_t>(size));
}

}  // namespace

PictureLoadResult DecodePicture(std::span<const unsigned char> bytes) {
  if (bytes.empty()) return Failure("the file is empty");
  if (bytes.size() > kMaxPictureFileBytes) return Failure("the file is larger than 64 MiB");
  if (const auto cleaned = PngWithoutEmptyDataChunks(bytes)) return DecodePicture(*cleaned);
  if (!JpegHuffmanTablesFit(bytes)) {
    return Failure("the picture is damaged: a JPEG table is too long");
  }
  const auto length = static_cast<int>(bytes.size());
  // The header alone first, so that a hostile size never reaches the decoder's allocations.
  int width = 0;
  int height = 0;
  int channels = 0;
  if (stbi_info_from_memory(bytes.data(), length, &width, &height, &channels) == 0) {
    return Failure("not a BMP, GIF, JPEG or PNG picture");
  }
  if (!WithinCaps(width, height)) {
    return Failure("a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                   " pixels is over the size limit");
  }
  const std::unique_ptr<stbi_uc, StbFree> rgba(
      stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 4));
  if (!rgba || !WithinCaps(width, height)) {
    const char* reason = stbi_failure_reason();
    return Failure(std::string("the picture is damaged: ") + (reason ? reason : "unknown"));
  }
  return {Picture(OverBlack(rgba.get(), width, height)), {}};
}

PictureLoadResult LoadPicture(const std::filesystem::path& path) {
  std::string error;
  const std::optional<std::vector<unsigned char>> bytes = ReadCapped(path, error);
  if (!bytes) return Failure(std::move(error));
  return DecodePicture(*bytes);
}

bool WritePng(const Surface& surface, const std::filesystem::path& path) {
  if (surface.Bounds().Empty()) return false;
  std::vector<unsigned char> rgb;
  rgb.reserve(surface.Pixels().size() * 3);
  for (const Pixel pixel : surface.Pixels()) {
    rgb.insert(rgb.end(), {RedOf(pixel), GreenOf(pixel), BlueOf(pixel)});
  }
  std::vector<unsigned char> png;
  if (stbi_write_png_to_func(&AppendBytes, &png, surface.Width(), surface.Height(), 3, rgb.data(),
                             surface.Width() * 3) == 0) {
    return false;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  out.close();
  return !out.fail();
}

}  // namespace talvora
