#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window_services.h"

namespace talvora {

inline constexpr std::uint32_t kSpiSetScreenSaverRunning = 97;

// What the saver window asks of the operating system besides drawing.
class SaverServices {
 public:
  virtual ~SaverServices() = default;
  // Raises (show) or lowers the cursor display count; returns the new count.
  virtual int ShowCursor(bool show) = 0;
  // The screen-saver password dialog; non-zero low 16 bits mean the right
  // password was entered (or the system guards the desktop itself).
  virtual std::int32_t VerifyScreenSavePwd(WindowHandle window) = 0;
  // The password-change dialog for the given registry key name ("SCRSAVE").
  virtual std::int32_t PwdChangePassword(std::string_view keyName, WindowHandle parent) = 0;
  // SystemParametersInfoA with a pointer to a scratch 32-bit value.
  virtual bool SystemParametersInfo(std::uint32_t action, std::uint32_t parameter) = 0;
};

}  // namespace talvora
