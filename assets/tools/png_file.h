#pragma once

#include <string>

#include "runtime/graphics/surface.h"

namespace talvora::tools {

// Writes the surface as a 24-bit PNG file; false when the file cannot be written.
bool WritePngFile(const Surface& surface, const std::string& path);

}  // namespace talvora::tools
