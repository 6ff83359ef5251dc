#pragma once

namespace talvora {

// The application's version numbers, from the project's version.
struct ProductVersion {
  int major;
  int minor;
  int revision;
};

inline constexpr ProductVersion kProductVersion{TALVORA_VERSION_MAJOR, TALVORA_VERSION_MINOR,
                                                TALVORA_VERSION_PATCH};

}  // namespace talvora
