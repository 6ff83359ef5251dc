#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace talvora {

// The file's bytes, or nullopt when it cannot be opened. Read in one piece
// into storage of the file's size, as files read on every tick are.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

}  // namespace talvora
