// The one translation unit that holds stb's implementation. It is third-party code, so it is
// built without the project's warnings (see CMakeLists.txt).
#include <cstddef>
#include <cstdlib>

#include "runtime/graphics/picture_file.h"

namespace {

// The largest block a decoder may ask for: a picture at the pixel cap with 16-bit RGBA samples,
// plus room for the per-row filter bytes of PNG. Anything larger (a compressed stream that
// inflates without end) fails instead of exhausting memory.
constexpr std::size_t kMaxDecoderBlock =
    static_cast<std::size_t>(talvora::kMaxPicturePixels) * 8 + (std::size_t{64} << 20);

// Zeroed, because the JPEG decoder reads parts of its state that a damaged file never sets: a
// scan may name a Huffman table no segment defined. A zeroed table ends every block at once;
// garbage sends the decoder's table lookups far outside their arrays.
void* CappedMalloc(std::size_t size) {
  return size <= kMaxDecoderBlock ? std::calloc(1, size) : nullptr;
}

void* CappedRealloc(void* block, std::size_t size) {
  return size <= kMaxDecoderBlock ? std::realloc(block, size) : nullptr;
}

}  // namespace

#define STBI_MALLOC(size) CappedMalloc(size)
#define STBI_REALLOC(block, size) CappedRealloc(block, size)
#define STBI_FREE(block) std::free(block)
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "runtime/graphics/stb_codecs.h"
