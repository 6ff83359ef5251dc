#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace talvora {

// The name a root has in key paths and in REGEDIT4 files.
std::string_view RootName(RegistryRoot root);

// The full path of a key, as REGEDIT4 writes it: "HKEY_LOCAL_MACHINE\SOFTWARE\...".
std::string FullKeyPath(RegistryRoot root, std::string_view keyPath);

// True when two ANSI names are equal without regard to ASCII case.
bool SameRegistryName(std::string_view a, std::string_view b);

// Keys and their values held in memory, in the order they first appeared, so
// that a store written back keeps the order it was read in. Keys are named by
// their full path; keys under roots the system never opens are kept as they are.
class RegistryTree {
 public:
  struct NamedValue {
    std::string name;  // "" is the key's default value, "@" in REGEDIT4
    RegistryValue value;

    friend bool operator==(const NamedValue&, const NamedValue&) = default;
  };
  struct Key {
    std::string path;
    std::vector<NamedValue> values;

    friend bool operator==(const Key&, const Key&) = default;
  };

  // The key of that full path, created (empty) when missing.
  Key& AddKey(std::string_view fullPath);

  const Key* FindKey(std::string_view fullPath) const;
  const RegistryValue* FindValue(std::string_view fullPath, std::string_view name) const;

  void SetValue(std::string_view fullPath, std::string_view name, RegistryValue value);
  void RemoveValue(std::string_view fullPath, std::string_view name);
  // Removes the key with its subkeys, as deleting a key tree does.
  void RemoveKey(std::string_view fullPath);

  const std::vector<Key>& Keys() const { return keys_; }

  friend bool operator==(const RegistryTree&, const RegistryTree&) = default;

 private:
  std::vector<Key> keys_;
};

}  // namespace talvora
