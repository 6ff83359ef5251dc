#pragma once

#include <optional>
#include <span>
#include <vector>

namespace talvora {

// The bytes of a PNG without its empty IDAT chunks, which carry no data; nullopt when the bytes
// hold none (or are no PNG), so that they can be decoded as they are. On an empty IDAT before any
// other, the stb_image release Debian ships (2.27) copies zero bytes to a null pointer, which is
// undefined behaviour. A chunk cut short by the end of the file is kept as it stands.
std::optional<std::vector<unsigned char>> PngWithoutEmptyDataChunks(
    std::span<const unsigned char> bytes);

}  // namespace talvora
