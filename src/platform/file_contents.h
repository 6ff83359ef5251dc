#pragma once

#include <filesystem>

namespace talvora {

// True when both files can be read and hold the same bytes.
bool FilesHaveSameContents(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace talvora
