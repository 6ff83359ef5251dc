#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace talvora {

// Paths travel through the program as UTF-8 text. A std::filesystem::path made
// straight from a narrow string would read it in the ANSI code page on Windows,
// so conversions go through char8_t.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace talvora
