#include "platform/fake/memory_registry.h"

namespace talvora {
namespace {

void Toggle(std::set<RegistryRoot>& roots, RegistryRoot root, bool on) {
  if (on) {
    roots.insert(root);
  } else {
    roots.erase(root);
  }
}

}  // namespace

std::optional<RegistryValue> MemoryRegistry::Query(RegistryRoot root, std::string_view keyPath,
                                                   std::string_view valueName,
                                                   std::size_t maxBytes) {
  if (refusedReads_.contains(root)) return std::nullopt;
  const RegistryValue* value = Stored(root, keyPath, valueName);
  if (value == nullptr || value->data.size() > maxBytes) return std::nullopt;
  return *value;
}

bool MemoryRegistry::Set(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                         const RegistryValue& value) {
  if (refusedWrites_.contains(root)) return false;
  tree_.SetValue(FullKeyPath(root, keyPath), valueName, value);
  return true;
}

bool MemoryRegistry::Remove(RegistryRoot root, std::string_view keyPath,
                            std::string_view valueName) {
  if (refusedWrites_.contains(root)) return Stored(root, keyPath, valueName) == nullptr;
  tree_.RemoveValue(FullKeyPath(root, keyPath), valueName);
  return true;
}

void MemoryRegistry::RefuseReads(RegistryRoot root, bool refuse) {
  Toggle(refusedReads_, root, refuse);
}

void MemoryRegistry::RefuseWrites(RegistryRoot root, bool refuse) {
  Toggle(refusedWrites_, root, refuse);
}

const RegistryValue* MemoryRegistry::Stored(RegistryRoot root, std::string_view keyPath,
                                            std::string_view valueName) const {
  return tree_.FindValue(FullKeyPath(root, keyPath), valueName);
}

}  // namespace talvora
