#include "host/win32/form_window.h"

#include <windowsx.h>

#include "common/text_encoding.h"
#include "platform/input_state.h"
#include "platform/win32/win32_handles.h"
#include "runtime/forms/form.h"

namespace talvora {
namespace {

constexpr char kWindowClass[] = "TalvoraFormWindow";
constexpr char kDefaultTitle[] = "Talvora";
constexpr WORD kArrowCursor = 32512;  // IDC_ARROW
// A dialog frame that cannot be resized, with a caption and only a close box.
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME;

bool KeyIsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

int ShiftState() {
  return (KeyIsDown(VK_SHIFT) ? kShiftMask : 0) | (KeyIsDown(VK_CONTROL) ? kCtrlMask : 0) |
         (KeyIsDown(VK_MENU) ? kAltMask : 0);
}

int ButtonsOf(WPARAM wParam) {
  return ((wParam & MK_LBUTTON) != 0 ? kLeftButtonMask : 0) |
         ((wParam & MK_RBUTTON) != 0 ? kRightButtonMask : 0) |
         ((wParam & MK_MBUTTON) != 0 ? kMiddleButtonMask : 0);
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
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(kArrowCursor));
  windowClass.lpszClassName = kWindowClass;
  RegisterClassA(&windowClass);
}

// The outer size of a dialog window whose client area is width x height.
SIZE DialogWindowSize(int width, int height, DWORD exStyle) {
  RECT outer{0, 0, width, height};
  AdjustWindowRectEx(&outer, kDialogStyle, FALSE, exStyle);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace

FormWindow::FormWindow() {
  RegisterWindowClass(&FormWindow::WindowProc);
  // The window procedure records the handle while the window is being made.
  CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, kDefaultTitle, WS_POPUP, 0, 0, 0, 0, nullptr,
                  nullptr, ThisModule(), this);
}

FormWindow::FormWindow(Form& form, HWND owner, HCURSOR hand)
    : form_(&form), framed_(true), hand_(hand) {
  RegisterWindowClass(&FormWindow::WindowProc);
  const DWORD exStyle = kDialogExStyle | (owner == nullptr ? WS_EX_APPWINDOW : 0);
  const SIZE size = DialogWindowSize(form.Width(), form.Height(), exStyle);
  CreateWindowExA(exStyle, kWindowClass, Utf8ToAnsi(form.Caption()).c_str(), kDialogStyle, 0, 0,
                  size.cx, size.cy, owner, nullptr, ThisModule(), this);
}

FormWindow::~FormWindow() { Destroy(); }

WindowHandle FormWindow::Handle() const { return FromHwnd(hwnd_); }

void FormWindow::Attach(Form& form) {
  form_ = &form;
  if (!form.Caption().empty()) SetWindowTextA(hwnd_, Utf8ToAnsi(form.Caption()).c_str());
}

void FormWindow::Destroy() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void FormWindow::Present() {
  if (hwnd_ == nullptr || !FormTakesInput() || !form_->Visible()) return;
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

HCURSOR FormWindow::PointerCursor() const {
  if (hand_ != nullptr && form_ != nullptr && form_->Pointer() == MousePointer::kHand) return hand_;
  return LoadCursorA(nullptr, MAKEINTRESOURCEA(kArrowCursor));
}

void FormWindow::ShowPointer() const {
  POINT at{};
  if (hwnd_ == nullptr || !GetCursorPos(&at) || WindowFromPoint(at) != hwnd_) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  ScreenToClient(hwnd_, &at);
  if (PtInRect(&client, at)) SetCursor(PointerCursor());
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
  // A reaction may run a modal form's loop, or unload the form and so close
  // this window, before it returns here.
  ++window->depth_;
  const LRESULT result = window->Handle(message, wParam, lParam);
  --window->depth_;
  return result;
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (framed_) {
    LRESULT result = 0;
    if (HandleDialogMessage(message, wParam, lParam, result)) return result;
  }
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

// What a dialog's window does besides what every form window does; false
// for the messages it leaves to the rest.
bool FormWindow::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_MOVE:
      // The form knows where its client area is, for its screen image.
      if (form_ != nullptr) {
        POINT origin{0, 0};
        ClientToScreen(hwnd_, &origin);
        form_->MoveWindow({origin.x, origin.y, form_->Width(), form_->Height()});
      }
      return false;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT || reinterpret_cast<HWND>(wParam) != hwnd_) return false;
      SetCursor(PointerCursor());
      result = TRUE;
      return true;
    case WM_SYSKEYDOWN:
      // Alt+letter is the form's, for its access keys; Alt+F4 and the
      // window menu's keys stay Windows' too.
      if (FormTakesInput()) form_->RaiseKeyDown(static_cast<int>(wParam), ShiftState());
      result = hwnd_ == nullptr ? 0 : DefWindowProcA(hwnd_, message, wParam, lParam);
      return true;
    case WM_SYSCHAR:
      // Windows would look for a menu of that letter and beep; only
      // Alt+Space opens the window menu.
      if (wParam == ' ') return false;
      result = 0;
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // While a button is held the mouse stays with the window that got the press.
      SetCapture(hwnd_);
      return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) ReleaseCapture();
      if (message == WM_LBUTTONUP || !FormTakesInput()) return false;
      const int button = message == WM_RBUTTONUP ? kRightButtonMask : kMiddleButtonMask;
      form_->RaiseMouseUp(button, ShiftState(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

bool FormWindow::FormTakesInput() const { return form_ != nullptr && form_->Loaded(); }

// Delivers keyboard and mouse messages as the form's events; false for
// other messages, and for all of them while no loaded form is attached.
bool FormWindow::HandleInput(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!FormTakesInput()) return false;
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
      form_->RaiseMouseDown(kLeftButtonMask, ShiftState(), x, y);
      return true;
    case WM_LBUTTONUP:
      form_->RaiseMouseUp(kLeftButtonMask, ShiftState(), x, y);
      // A click is a press and a release on the same window.
      if (leftPressed_ && FormTakesInput()) {
        leftPressed_ = false;
        form_->RaiseClick();
      }
      return true;
    case WM_LBUTTONDBLCLK:
      leftPressed_ = false;
      form_->RaiseDblClick();
      return true;
    case WM_RBUTTONDOWN:
      form_->RaiseMouseDown(kRightButtonMask, ShiftState(), x, y);
      return true;
    case WM_MBUTTONDOWN:
      form_->RaiseMouseDown(kMiddleButtonMask, ShiftState(), x, y);
      return true;
    default:
      return false;
  }
}

void FormWindow::Close() {
  if (FormTakesInput() && !form_->Unload(UnloadMode::kUserClosed)) return;
  Destroy();
}

}  // namespace talvora
