#include "host/win32/win32_window_system.h"

#include <algorithm>

#include "host/dialog_windows.h"
#include "runtime/forms/form.h"
#include "runtime/forms/window_placement.h"

namespace talvora {
namespace {

HINSTANCE ThisModule() { return GetModuleHandleA(nullptr); }

PixelRect PixelRectOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The part of a monitor that is not taken by the task bar.
PixelRect WorkAreaOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(monitor, &info)) {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return PixelRectOf(info.rcWork);
}

PixelRect PrimaryWorkArea() {
  return WorkAreaOf(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

POINT ClientOrigin(HWND window) {
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return origin;
}

// The product's icon for the task bar and the task switcher. The caption of
// a dialog frame shows none, as no small icon is given.
void SetProductIcon(HWND window) {
  const HANDLE icon =
      LoadImageA(ThisModule(), MAKEINTRESOURCEA(FormWindow::kIconResource), IMAGE_ICON,
                 GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED);
  if (icon != nullptr) SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

Win32WindowSystem::Cursor::Cursor(const CursorPicture& picture) {
  const int width = picture.image.Width();
  const int height = picture.image.Height();
  if (width == 0 || height == 0) return;
  // Each screen pixel becomes (screen AND mask) XOR image, as the picture's own rule says.
  const std::vector<std::uint8_t> andPlane = MonochromePlane(picture.mask);
  const std::vector<std::uint8_t> xorPlane = MonochromePlane(picture.image);
  cursor_ = CreateCursor(ThisModule(), picture.hotX, picture.hotY, width, height, andPlane.data(),
                         xorPlane.data());
}

Win32WindowSystem::Cursor::~Cursor() {
  if (cursor_ != nullptr) DestroyCursor(cursor_);
}

Win32WindowSystem::Win32WindowSystem(FormsRuntime& runtime, const CursorPicture& hand)
    : runtime_(runtime), hand_(hand) {
  runtime_.SetWindowSystem(this);
}

Win32WindowSystem::~Win32WindowSystem() { runtime_.SetWindowSystem(nullptr); }

const Win32WindowSystem::Shown* Win32WindowSystem::Find(const Form& form) const {
  const auto found = std::find_if(shown_.begin(), shown_.end(),
                                  [&](const Shown& shown) { return shown.form == &form; });
  return found == shown_.end() ? nullptr : &*found;
}

// A form in the task bar owns itself; any other is owned by the form it is
// modal over, or else by the first dialog, which keeps it off the task bar.
HWND Win32WindowSystem::OwnerFor(const Form& form) const {
  if (form.Style().showInTaskbar) return nullptr;
  if (form.Owner() != nullptr) {
    if (const Shown* owner = Find(*form.Owner())) return owner->window->Hwnd();
  }
  return shown_.empty() ? nullptr : shown_.front().window->Hwnd();
}

void Win32WindowSystem::Place(const Form& form, HWND window) const {
  RECT outer{};
  GetWindowRect(window, &outer);
  const POINT origin = ClientOrigin(window);
  const int frameLeft = origin.x - outer.left;
  const int frameTop = origin.y - outer.top;
  PixelRect placed = PixelRectOf(outer);
  const HWND owner = GetWindow(window, GW_OWNER);
  switch (form.Style().position) {
    case StartUpPosition::kManual:
      placed.left = form.ScreenBounds().left - frameLeft;
      placed.top = form.ScreenBounds().top - frameTop;
      break;
    case StartUpPosition::kCenterOwner:
      if (RECT ownerRect{}; owner != nullptr && GetWindowRect(owner, &ownerRect)) {
        placed = CentreWindow(placed, PixelRectOf(ownerRect),
                              WorkAreaOf(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY)));
        break;
      }
      [[fallthrough]];
    case StartUpPosition::kCenterScreen:
      placed = CentreWindow(placed, PrimaryWorkArea(), PrimaryWorkArea());
      break;
  }
  SetWindowPos(window, nullptr, placed.left, placed.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every window shown before the last modal one takes no input.
void Win32WindowSystem::UpdateEnabled() const {
  std::vector<bool> modal;
  modal.reserve(shown_.size());
  for (const Shown& shown : shown_) modal.push_back(shown.form->Modal());
  const std::size_t first = FirstWindowTakingInput(modal);
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    EnableWindow(shown_[i].window->Hwnd(), i >= first ? TRUE : FALSE);
  }
}

void Win32WindowSystem::FormShown(Form& form) {
  if (form.Style().border != BorderStyle::kFixedDialog || Find(form) != nullptr) return;
  auto window = std::make_unique<FormWindow>(form, OwnerFor(form), hand_.Get());
  const HWND hwnd = window->Hwnd();
  if (hwnd == nullptr) return;
  if (form.Style().showInTaskbar) SetProductIcon(hwnd);
  Place(form, hwnd);
  const POINT origin = ClientOrigin(hwnd);
  form.MoveWindow({origin.x, origin.y, form.Width(), form.Height()});
  shown_.push_back({&form, std::move(window)});
  UpdateEnabled();
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
}

void Win32WindowSystem::FormHidden(Form& form) { FormUnloaded(form); }

void Win32WindowSystem::FormUnloaded(Form& form) {
  const auto found = std::find_if(shown_.begin(), shown_.end(),
                                  [&](const Shown& shown) { return shown.form == &form; });
  if (found == shown_.end()) return;
  std::unique_ptr<FormWindow> window = std::move(found->window);
  shown_.erase(found);
  window->Detach();
  // The owner takes input again before this window goes, so that Windows
  // hands the activation back to it rather than to another program.
  UpdateEnabled();
  const HWND owner = GetWindow(window->Hwnd(), GW_OWNER);
  const bool wasActive = GetActiveWindow() == window->Hwnd();
  window->Destroy();
  if (wasActive && owner != nullptr && IsWindow(owner)) SetActiveWindow(owner);
  // This may run inside one of the window's own messages: it is freed later.
  closed_.push_back(std::move(window));
}

void Win32WindowSystem::PointerChanged(Form& form) {
  if (const Shown* shown = Find(form)) shown->window->ShowPointer();
}

WindowHandle Win32WindowSystem::HandleOf(const Form& form) const {
  const Shown* shown = Find(form);
  return shown == nullptr ? 0 : shown->window->Handle();
}

void Win32WindowSystem::Present() {
  for (const Shown& shown : shown_) shown.window->Present();
}

void Win32WindowSystem::ReleaseClosed() {
  std::erase_if(closed_, [](const std::unique_ptr<FormWindow>& window) { return !window->Busy(); });
}

}  // namespace talvora
