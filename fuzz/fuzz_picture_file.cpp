// The picture loader over any bytes: a picture within the size caps, or an error, never both;
// the caps keep every allocation bounded (run with -malloc_limit_mb, see scripts/fuzz).
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "runtime/graphics/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace talvora;
  const PictureLoadResult result = DecodePicture({data, size});
  FuzzCheck(result.picture.has_value() == result.error.empty(),
            "a picture comes without an error, an error without a picture");
  if (!result.picture) return 0;
  const Picture& picture = *result.picture;
  FuzzCheck(picture.Width() > 0 && picture.Height() > 0, "a loaded picture has pixels");
  FuzzCheck(picture.Width() <= kMaxPictureSide && picture.Height() <= kMaxPictureSide &&
                std::int64_t{picture.Width()} * picture.Height() <= kMaxPicturePixels,
            "a loaded picture is within the caps");
  // Every pixel is readable (AddressSanitizer watches the reads) and laid over black already.
  for (int y = 0; y < picture.Height(); ++y) {
    for (const Pixel pixel : picture.Row(y)) FuzzCheck(pixel >> 24 == 0, "pixels are opaque");
  }
  return 0;
}
