#pragma once

// Conversions between window handles as the portable code holds them and
// HWNDs, for the Win32 implementation files.

#include <cstdint>

#include "platform/win32/windows_api.h"
#include "platform/window_services.h"

namespace talvora {

inline HWND ToHwnd(WindowHandle handle) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
}

inline WindowHandle FromHwnd(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(window));
}

}  // namespace talvora
