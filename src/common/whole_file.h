#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace talvora {

// Reads the file's bytes into `bytes`, reusing its storage, so a file read on
// every tick costs no allocation once the storage has grown to its size.
// False, with `bytes` emptied, when the file cannot be opened.
bool ReadWholeFile(const std::filesystem::path& file, std::string& bytes);

// The file's bytes, or nullopt when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

}  // namespace talvora
