#pragma once

#include "platform/profile.h"

namespace talvora {

// The profile service of Windows itself, GetPrivateProfileStringA.
class Win32Profile final : public ProfileService {
 public:
  void GetString(std::string_view section, std::string_view key, std::string_view defaultText,
                 std::size_t bufferSize, const std::filesystem::path& file,
                 std::string& copied) const override;
};

}  // namespace talvora
