#pragma once

// stb's picture reader and writer as this program builds them: they work on memory only (our own
// code reads and writes the files, with a size cap) and read only the four formats pictures come
// in. Picture sizes are checked by our own code, from the header, before anything is decoded.
#define STBI_NO_STDIO
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_WRITE_NO_STDIO

#include <stb_image.h>
#include <stb_image_write.h>
