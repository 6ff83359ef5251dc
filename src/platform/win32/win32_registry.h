#pragma once

#include "platform/registry.h"

namespace talvora {

// The registry of the running Windows system, reached through the ANSI calls:
// key paths, value names and texts are bytes in the ANSI code page.
class Win32Registry final : public Registry {
 public:
  // Opens the key for reading and writing, as the settings store always has;
  // where writing is not allowed (a user without administrator rights under
  // HKEY_LOCAL_MACHINE) it opens the key for reading only.
  std::optional<RegistryValue> Query(RegistryRoot root, std::string_view keyPath,
                                     std::string_view valueName, std::size_t maxBytes) override;
  // Stores exactly the bytes given; a text is stored without a terminating
  // NUL unless it holds one.
  bool Set(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
           const RegistryValue& value) override;
  // Also true when the key or the value never existed.
  bool Remove(RegistryRoot root, std::string_view keyPath, std::string_view valueName) override;
};

}  // namespace talvora
