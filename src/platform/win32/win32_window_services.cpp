#include "platform/win32/win32_window_services.h"

#include "platform/win32/win32_handles.h"
#include "platform/win32/windows_api.h"

namespace talvora {
namespace {

WindowRect FromRect(const RECT& rect) {
  return {static_cast<std::int32_t>(rect.left), static_cast<std::int32_t>(rect.top),
          static_cast<std::int32_t>(rect.right), static_cast<std::int32_t>(rect.bottom)};
}

bool IsTopLevel(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0; }

}  // namespace

WindowRect VirtualScreenRect() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

WindowHandle Win32WindowServices::GetDesktopWindow() { return FromHwnd(::GetDesktopWindow()); }

std::optional<WindowRect> Win32WindowServices::GetWindowRect(WindowHandle window) {
  const HWND hwnd = ToHwnd(window);
  if (hwnd == ::GetDesktopWindow()) {
    return WindowRect{0, 0, virtualScreen_.right - virtualScreen_.left,
                      virtualScreen_.bottom - virtualScreen_.top};
  }
  RECT rect{};
  if (!::GetWindowRect(hwnd, &rect)) return std::nullopt;
  OffsetRect(&rect, -virtualScreen_.left, -virtualScreen_.top);
  return FromRect(rect);
}

std::optional<WindowRect> Win32WindowServices::GetClientRect(WindowHandle window) {
  RECT rect{};
  if (!::GetClientRect(ToHwnd(window), &rect)) return std::nullopt;
  return FromRect(rect);
}

std::int32_t Win32WindowServices::GetWindowLong(WindowHandle window, std::int32_t index) {
  return static_cast<std::int32_t>(GetWindowLongA(ToHwnd(window), index));
}

std::int32_t Win32WindowServices::SetWindowLong(WindowHandle window, std::int32_t index,
                                                std::int64_t value) {
  const HWND hwnd = ToHwnd(window);
  if (index == kGwlHwndParent) {
    // The owner is a handle: the pointer-wide call keeps all of it.
    return static_cast<std::int32_t>(
        SetWindowLongPtrA(hwnd, GWLP_HWNDPARENT, static_cast<LONG_PTR>(value)));
  }
  auto newValue = static_cast<LONG>(value);
  if (index == kGwlStyle && (newValue & WS_CHILD) != 0) {
    newValue = static_cast<LONG>(static_cast<DWORD>(newValue) & ~DWORD{WS_POPUP});
  }
  return static_cast<std::int32_t>(SetWindowLongA(hwnd, index, newValue));
}

WindowHandle Win32WindowServices::SetParent(WindowHandle child, WindowHandle parent) {
  return FromHwnd(::SetParent(ToHwnd(child), ToHwnd(parent)));
}

bool Win32WindowServices::SetWindowPos(WindowHandle window, WindowHandle insertAfter,
                                       std::int32_t x, std::int32_t y, std::int32_t width,
                                       std::int32_t height, std::uint32_t flags) {
  const HWND hwnd = ToHwnd(window);
  if (IsTopLevel(hwnd)) {
    x += virtualScreen_.left;
    y += virtualScreen_.top;
  }
  return ::SetWindowPos(hwnd, ToHwnd(insertAfter), x, y, width, height, flags) != FALSE;
}

}  // namespace talvora
