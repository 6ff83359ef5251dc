#include "platform/win32/win32_registry.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX  // the C++ library's own headers may have set it already
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

namespace talvora {
namespace {

// Query, set, create sub-keys, enumerate, notify and create links: the rights
// the settings store asks for whenever it opens a key.
constexpr REGSAM kReadWriteAccess = 0x2003F;

struct KeyCloser {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using KeyHandle = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// An opened key, or none with the error Windows refused it with.
struct OpenedKey {
  KeyHandle key;
  LONG status = ERROR_SUCCESS;
};

HKEY RootKey(RegistryRoot root) {
  // The predefined handles are 32-bit values sign-extended to the width of a
  // pointer, as the Windows headers spell them.
  const auto handle = static_cast<LONG>(static_cast<std::uint32_t>(root));
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(handle));
}

OpenedKey OpenKey(RegistryRoot root, const std::string& keyPath, REGSAM access) {
  HKEY key = nullptr;
  const LONG status = RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, access, &key);
  return {KeyHandle(status == ERROR_SUCCESS ? key : nullptr), status};
}

KeyHandle OpenForReading(RegistryRoot root, const std::string& keyPath) {
  OpenedKey opened = OpenKey(root, keyPath, kReadWriteAccess);
  if (opened.status == ERROR_ACCESS_DENIED) opened = OpenKey(root, keyPath, KEY_READ);
  return std::move(opened.key);
}

KeyHandle CreateKey(RegistryRoot root, const std::string& keyPath) {
  char keyClass[] = "1";
  SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HKEY key = nullptr;
  const LONG status =
      RegCreateKeyExA(RootKey(root), keyPath.c_str(), 0, keyClass, REG_OPTION_NON_VOLATILE,
                      kReadWriteAccess, &security, &key, nullptr);
  return KeyHandle(status == ERROR_SUCCESS ? key : nullptr);
}

bool IsMissing(LONG status) {
  return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND;
}

}  // namespace

std::optional<RegistryValue> Win32Registry::Query(RegistryRoot root, std::string_view keyPath,
                                                  std::string_view valueName,
                                                  std::size_t maxBytes) {
  const KeyHandle key = OpenForReading(root, std::string(keyPath));
  if (!key) return std::nullopt;

  std::string data(std::min<std::size_t>(maxBytes, MAXDWORD), '\0');
  DWORD type = REG_NONE;
  auto size = static_cast<DWORD>(data.size());
  const LONG status = RegQueryValueExA(key.get(), std::string(valueName).c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(data.data()), &size);
  if (status != ERROR_SUCCESS) return std::nullopt;
  data.resize(size);
  return RegistryValue{type, std::move(data)};
}

bool Win32Registry::Set(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                        const RegistryValue& value) {
  if (value.data.size() > MAXDWORD) return false;
  const KeyHandle key = CreateKey(root, std::string(keyPath));
  if (!key) return false;

  // RegSetValueExA stores a text's terminating NUL when one follows it in
  // memory, even one left out of the byte count; a guard byte after the data
  // keeps what is stored exactly what was given.
  std::string guarded = value.data;
  guarded.push_back('\x01');
  const LONG status = RegSetValueExA(key.get(), std::string(valueName).c_str(), 0, value.type,
                                     reinterpret_cast<const BYTE*>(guarded.data()),
                                     static_cast<DWORD>(value.data.size()));
  return status == ERROR_SUCCESS;
}

bool Win32Registry::Remove(RegistryRoot root, std::string_view keyPath,
                           std::string_view valueName) {
  const OpenedKey opened = OpenKey(root, std::string(keyPath), KEY_SET_VALUE);
  if (IsMissing(opened.status)) return true;
  if (!opened.key) return false;
  const LONG status = RegDeleteValueA(opened.key.get(), std::string(valueName).c_str());
  return status == ERROR_SUCCESS || IsMissing(status);
}

}  // namespace talvora
