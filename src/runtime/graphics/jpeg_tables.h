#pragma once

#include <span>

namespace talvora {

// False when the bytes, read as JPEG, hold a Huffman table with more than 256 codes. Such a table
// is invalid, and the stb_image release Debian ships (2.27) writes past its arrays on one, while
// merely reading the header. The walk visits every table segment the decoder could reach, and more:
// it follows the segment lengths and scans the compressed data for markers. Anything that does not
// start like a JPEG passes.
bool JpegHuffmanTablesFit(std::span<const unsigned char> bytes);

}  // namespace talvora
