#pragma once

#include "platform/profile.h"

namespace talvora {

// The profile service of Windows itself, GetPrivateProfileStringA.
class Win32Profile final : public ProfileService {
 public:
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view defaultText, std::size_t bufferSize,
                        const std::string& file) const override;
};

}  // namespace talvora
