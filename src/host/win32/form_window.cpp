#include "host/win32/form_window.h"

#include <windowsx.h>

#include "common/text_encoding.h"
#include "platform/win32/win32_handles.h"
#include "runtime/forms/form.h"

namespace talvora {
namespace {

constexpr char kWindowClass[] = "TalvoraFormWindow";
constexpr char kDefaultTitle[] = "Talvora";

// The forms' mouse buttons and shift keys, numbered as their events number them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kShiftMask = 1;
constexpr int kControlMask = 2;
constexpr int kAltMask = 4;

bool KeyIsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

int ShiftState() {
  return (KeyIsDown(VK_SHIFT) ? kShiftMask : 0) | (KeyIsDown(VK_CONTROL) ? kControlMask : 0) |
         (KeyIsDown(VK_MENU) ? kAltMask : 0);
}

int ButtonsOf(WPARAM wParam) {
  return ((wParam & MK_LBUTTON) != 0 ? kLeftButton : 0) |
         ((wParam & MK_RBUTTON) != 0 ? kRightButton : 0) |
         ((wParam & MK_MBUTTON) != 0 ? kMiddleButton : 0);
}

HINSTANCE ThisModule() { return GetModuleHandleA(nullptr); }

void RegisterWindowClass(WNDPROC windowProc) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(ThisModule(), kWindowClass, &windowClass)) return;
  // Double clicks arrive as their own message; no background brush, so that
  // nothing is erased between two frames.
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = ThisModule();
  windowClass.hIcon = LoadIconA(ThisModule(), MAKEINTRESOURCEA(FormWindow::kIconResource));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);
}

}  // namespace

FormWindow::FormWindow() {
  RegisterWindowClass(&FormWindow::WindowProc);
  // The window procedure records the handle while the window is being made.
  CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, kDefaultTitle, WS_POPUP, 0, 0, 0, 0, nullptr,
                  nullptr, ThisModule(), this);
}

FormWindow::~FormWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

WindowHandle FormWindow::Handle() const { return FromHwnd(hwnd_); }

void FormWindow::Attach(Form& form) {
  form_ = &form;
  if (!form.Caption().empty()) SetWindowTextA(hwnd_, Utf8ToAnsi(form.Caption()).c_str());
}

void FormWindow::Present() {
  if (hwnd_ == nullptr || form_ == nullptr || !form_->Loaded() || !form_->Visible()) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  const int width = static_cast<int>(client.right);
  const int height = static_cast<int>(client.bottom);
  if (frame_.Width() != width || frame_.Height() != height) {
    frame_ = Surface(width, height, kBlack);
  } else {
    frame_.Fill(kBlack);
  }
  const PixelRect bounds = form_->ScreenBounds();
  form_->ComposeOnto(frame_, bounds.left, bounds.top);
  if (HDC dc = GetDC(hwnd_)) {
    Blit(dc);
    ReleaseDC(hwnd_, dc);
  }
}

void FormWindow::Blit(HDC dc) const {
  if (frame_.Width() == 0 || frame_.Height() == 0) return;
  // A top-down 32-bit DIB: its pixels are 0x00RRGGBB, exactly as composed.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = frame_.Width();
  info.bmiHeader.biHeight = -frame_.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(
      dc, 0, 0, static_cast<DWORD>(frame_.Width()), static_cast<DWORD>(frame_.Height()), 0, 0, 0,
      static_cast<UINT>(frame_.Height()), frame_.Pixels().data(), &info, DIB_RGB_COLORS);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* window = static_cast<FormWindow*>(created->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return window->Handle(message, wParam, lParam);
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (HandleInput(message, wParam, lParam)) return 0;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the frame covers the whole client area
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      if (HDC dc = BeginPaint(hwnd_, &paint)) {
        Blit(dc);
        EndPaint(hwnd_, &paint);
      }
      return 0;
    }
    case WM_CLOSE:
      Close();
      return 0;
    case WM_SYSCOMMAND:
      // A running saver does not let the system start another one.
      if ((wParam & 0xFFF0) == SC_SCREENSAVE) return 0;
      break;
    case WM_NCDESTROY: {
      const HWND hwnd = hwnd_;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// Delivers keyboard and mouse messages as the form's events; false for
// other messages, and for all of them while no loaded form is attached.
bool FormWindow::HandleInput(UINT message, WPARAM wParam, LPARAM lParam) {
  if (form_ == nullptr || !form_->Loaded()) return false;
  const double x = GET_X_LPARAM(lParam);
  const double y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      form_->RaiseKeyDown(static_cast<int>(wParam), ShiftState());
      return true;
    case WM_CHAR:
      // An ANSI window: the character is a code-page byte, as KeyAscii is.
      form_->RaiseKeyPress(static_cast<int>(wParam & 0xFF));
      return true;
    case WM_MOUSEMOVE:
      form_->RaiseMouseMove(ButtonsOf(wParam), ShiftState(), x, y);
      return true;
    case WM_LBUTTONDOWN:
      leftPressed_ = true;
      form_->RaiseMouseDown(kLeftButton, ShiftState(), x, y);
      return true;
    case WM_LBUTTONUP:
      form_->RaiseMouseUp(kLeftButton, ShiftState(), x, y);
      // A click is a press and a release on the same window.
      if (leftPressed_ && form_->Loaded()) {
        leftPressed_ = false;
        form_->RaiseClick();
      }
      return true;
    case WM_LBUTTONDBLCLK:
      leftPressed_ = false;
      form_->RaiseDblClick();
      return true;
    case WM_RBUTTONDOWN:
      form_->RaiseMouseDown(kRightButton, ShiftState(), x, y);
      return true;
    case WM_MBUTTONDOWN:
      form_->RaiseMouseDown(kMiddleButton, ShiftState(), x, y);
      return true;
    default:
      return false;
  }
}

void FormWindow::Close() {
  if (form_ != nullptr && form_->Loaded() && !form_->Unload(UnloadMode::kUserClosed)) return;
  DestroyWindow(hwnd_);
}

}  // namespace talvora
