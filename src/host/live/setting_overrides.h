#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace talvora {

// The settings store with some settings given for one run (XScreenSaver
// passes a hack's settings on its command line): reading one of them gives
// the given text, under either root; everything else, and every write, goes
// to the store underneath. Names and texts are given in UTF-8.
class SettingOverrides final : public Registry {
 public:
  SettingOverrides(Registry& store, std::vector<std::pair<std::string, std::string>> settings);

  std::optional<RegistryValue> Query(RegistryRoot root, std::string_view keyPath,
                                     std::string_view valueName, std::size_t maxBytes) override;
  bool Set(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
           const RegistryValue& value) override;
  bool Remove(RegistryRoot root, std::string_view keyPath, std::string_view valueName) override;

 private:
  Registry& store_;
  std::vector<std::pair<std::string, std::string>> settings_;
};

}  // namespace talvora
