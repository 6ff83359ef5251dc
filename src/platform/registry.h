#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talvora {

// The two registry roots the system uses, with their Windows handle values.
enum class RegistryRoot : std::uint32_t {
  kCurrentUser = 0x80000001u,
  kLocalMachine = 0x80000002u,
};

// Value types, numbered as Windows numbers them.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// A value as the registry hands it over: its type and its bytes exactly as
// stored (texts in the ANSI code page, with or without a terminating NUL).
struct RegistryValue {
  std::uint32_t type = kRegSz;
  std::string data;

  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// The registry as the operating system offers it. Key paths and value names
// are ANSI texts; key paths use backslashes and match without regard to case,
// as do value names.
class Registry {
 public:
  virtual ~Registry() = default;

  // The value, or nullopt when its key cannot be opened, the value does not
  // exist, cannot be read, or holds more than maxBytes bytes.
  virtual std::optional<RegistryValue> Query(RegistryRoot root, std::string_view keyPath,
                                             std::string_view valueName, std::size_t maxBytes) = 0;

  // Creates the key when it is missing and stores the value; false when the
  // key cannot be created or the value cannot be written, in which case the
  // previous value stays in place.
  virtual bool Set(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                   const RegistryValue& value) = 0;

  // Deletes a value; true when it no longer exists afterwards.
  virtual bool Remove(RegistryRoot root, std::string_view keyPath, std::string_view valueName) = 0;
};

}  // namespace talvora
