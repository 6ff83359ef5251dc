#pragma once

#include <set>

#include "platform/registry.h"
#include "platform/registry_tree.h"

namespace talvora {

// A registry held in memory, for tests. Reads or writes under a root can be
// refused on demand, as Windows refuses them to a user without the rights.
class MemoryRegistry final : public Registry {
 public:
  std::optional<RegistryValue> Query(RegistryRoot root, std::string_view keyPath,
                                     std::string_view valueName, std::size_t maxBytes) override;
  bool Set(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
           const RegistryValue& value) override;
  bool Remove(RegistryRoot root, std::string_view keyPath, std::string_view valueName) override;

  void RefuseReads(RegistryRoot root, bool refuse = true);
  void RefuseWrites(RegistryRoot root, bool refuse = true);

  // What is stored, whatever is refused.
  const RegistryTree& Tree() const { return tree_; }
  const RegistryValue* Stored(RegistryRoot root, std::string_view keyPath,
                              std::string_view valueName) const;

 private:
  RegistryTree tree_;
  std::set<RegistryRoot> refusedReads_;
  std::set<RegistryRoot> refusedWrites_;
};

}  // namespace talvora
