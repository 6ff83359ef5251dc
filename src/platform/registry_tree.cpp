#include "platform/registry_tree.h"

#include <algorithm>

namespace talvora {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view WithoutTrailingBackslashes(std::string_view path) {
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return path;
}

template <typename Keys>
auto FindKeyIn(Keys& keys, std::string_view fullPath) {
  const std::string_view wanted = WithoutTrailingBackslashes(fullPath);
  return std::find_if(keys.begin(), keys.end(),
                      [wanted](const auto& key) { return SameRegistryName(key.path, wanted); });
}

template <typename Values>
auto FindValueIn(Values& values, std::string_view name) {
  return std::find_if(values.begin(), values.end(),
                      [name](const auto& named) { return SameRegistryName(named.name, name); });
}

}  // namespace

std::string_view RootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kCurrentUser:
      return "HKEY_CURRENT_USER";
    case RegistryRoot::kLocalMachine:
      return "HKEY_LOCAL_MACHINE";
  }
  return "";
}

std::string FullKeyPath(RegistryRoot root, std::string_view keyPath) {
  std::string path(RootName(root));
  keyPath = WithoutTrailingBackslashes(keyPath);
  if (!keyPath.empty()) {
    path += '\\';
    path += keyPath;
  }
  return path;
}

bool SameRegistryName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

RegistryTree::Key& RegistryTree::AddKey(std::string_view fullPath) {
  const auto found = FindKeyIn(keys_, fullPath);
  if (found != keys_.end()) return *found;
  return keys_.emplace_back(Key{std::string(WithoutTrailingBackslashes(fullPath)), {}});
}

const RegistryTree::Key* RegistryTree::FindKey(std::string_view fullPath) const {
  const auto found = FindKeyIn(keys_, fullPath);
  return found == keys_.end() ? nullptr : &*found;
}

const RegistryValue* RegistryTree::FindValue(std::string_view fullPath,
                                             std::string_view name) const {
  const Key* key = FindKey(fullPath);
  if (key == nullptr) return nullptr;
  const auto found = FindValueIn(key->values, name);
  return found == key->values.end() ? nullptr : &found->value;
}

void RegistryTree::SetValue(std::string_view fullPath, std::string_view name, RegistryValue value) {
  Key& key = AddKey(fullPath);
  const auto found = FindValueIn(key.values, name);
  if (found != key.values.end()) {
    found->value = std::move(value);
  } else {
    key.values.push_back({std::string(name), std::move(value)});
  }
}

void RegistryTree::RemoveValue(std::string_view fullPath, std::string_view name) {
  const auto key = FindKeyIn(keys_, fullPath);
  if (key == keys_.end()) return;
  const auto found = FindValueIn(key->values, name);
  if (found != key->values.end()) key->values.erase(found);
}

void RegistryTree::RemoveKey(std::string_view fullPath) {
  const std::string_view removed = WithoutTrailingBackslashes(fullPath);
  std::erase_if(keys_, [removed](const Key& key) {
    const std::string_view path = key.path;
    return SameRegistryName(path.substr(0, removed.size()), removed) &&
           (path.size() == removed.size() || path[removed.size()] == '\\');
  });
}

}  // namespace talvora
