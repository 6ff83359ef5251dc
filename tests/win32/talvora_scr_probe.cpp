// talvora_scr_probe: runs Talvora.scr the way Windows does and checks what
// it does on the screen. One check per run; exit status 0 when it holds.
//
//   talvora_scr_probe preview SCR
//   talvora_scr_probe fullscreen SCR SHOT.bmp
//   talvora_scr_probe mouse SCR 0|1
//   talvora_scr_probe version SCR
//   talvora_scr_probe setup SCR cancel|ok SHOT.bmp
//
// Every wait is bounded; a saver left running at the end is terminated.

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace talvora {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Making the artwork takes a while under Wine; the window comes after it.
constexpr milliseconds kWindowTimeout{20000};
// How long a saver may take to end once it has been told to.
constexpr milliseconds kEndTimeout{2000};
// How long the scene may take to put its first pixels on the screen.
constexpr milliseconds kSceneTimeout{10000};
// Wine takes a full-screen window for one a window manager looks after, and
// waits up to two seconds for one to take it off the screen; Xvfb has none.
constexpr milliseconds kFullScreenEndTimeout{5000};

constexpr char kSettingsKey[] = "SOFTWARE\\Talvora\\Talvora Saver";

int failures = 0;

void Check(bool condition, const std::string& what) {
  std::printf("%s: %s\n", condition ? "ok  " : "FAIL", what.c_str());
  if (!condition) ++failures;
}

// Handles messages of our own windows while waiting.
void PumpMessages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Waits, handling messages, until `done` holds or the time is up.
bool WaitFor(const std::function<bool()>& done, milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (!done()) {
    if (Clock::now() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpMessages();
  }
  return true;
}

void Pause(milliseconds time) {
  WaitFor([] { return false; }, time);
}

// A Unix path as Wine's drive Z: shows it.
std::string WindowsPath(std::string path) {
  if (!path.starts_with('/')) return path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

// The saver's process, terminated if it is still running when we are done.
class SaverProcess {
 public:
  SaverProcess(const std::string& scr, const std::string& arguments) {
    std::string commandLine = "\"" + scr + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
      CloseHandle(info.hThread);
      process_ = info.hProcess;
      id_ = info.dwProcessId;
    }
  }
  ~SaverProcess() {
    if (process_ == nullptr) return;
    if (Running()) TerminateProcess(process_, 1);
    CloseHandle(process_);
  }
  SaverProcess(const SaverProcess&) = delete;
  SaverProcess& operator=(const SaverProcess&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  bool Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
  bool EndsWithin(milliseconds timeout) const {
    return WaitFor([this] { return !Running(); }, timeout);
  }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

struct WindowSearch {
  DWORD process = 0;
  HWND except = nullptr;
  HWND found = nullptr;
};

BOOL CALLBACK MatchProcess(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  if (ProcessOf(window) != search->process || !IsWindowVisible(window) ||
      window == search->except) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

// A visible window of the process: a child of `parent`, or a top-level one
// other than `except`.
HWND FindWindowOf(DWORD process, HWND parent, HWND except = nullptr) {
  WindowSearch search{process, except, nullptr};
  if (parent != nullptr) {
    EnumChildWindows(parent, MatchProcess, reinterpret_cast<LPARAM>(&search));
  } else {
    EnumWindows(MatchProcess, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

HWND WaitForWindow(const SaverProcess& saver, HWND parent, HWND except = nullptr) {
  HWND window = nullptr;
  WaitFor(
      [&] {
        window = FindWindowOf(saver.Id(), parent, except);
        return window != nullptr || !saver.Running();
      },
      kWindowTimeout);
  return window;
}

std::string Describe(const RECT& rect) {
  return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

RECT VirtualScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// The screen's pixels in a rectangle, as 0x00RRGGBB, rows from the top.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

Capture CaptureScreen(const RECT& rect) {
  Capture capture{rect.right - rect.left, rect.bottom - rect.top, {}};
  capture.pixels.resize(static_cast<std::size_t>(capture.width) *
                        static_cast<std::size_t>(capture.height));
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, capture.width, capture.height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, capture.width, capture.height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, previous);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(capture.height), capture.pixels.data(), &info,
            DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (auto& pixel : capture.pixels) pixel &= 0xFFFFFF;
  return capture;
}

double ShareOf(const Capture& capture, std::uint32_t color) {
  if (capture.pixels.empty()) return 0;
  std::size_t count = 0;
  for (std::uint32_t pixel : capture.pixels) count += pixel == color ? 1 : 0;
  return static_cast<double>(count) / static_cast<double>(capture.pixels.size());
}

void Put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) out.put(static_cast<char>((value >> (8 * k)) & 0xFF));
}

// A 32-bit BMP file, kept with the test output to be looked at.
void WriteBmp(const Capture& capture, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  const auto size = static_cast<std::uint32_t>(capture.pixels.size() * 4);
  out << "BM";
  Put(out, 54 + size, 4);
  Put(out, 0, 4);
  Put(out, 54, 4);
  Put(out, 40, 4);
  Put(out, static_cast<std::uint32_t>(capture.width), 4);
  Put(out, static_cast<std::uint32_t>(-capture.height), 4);  // top-down rows
  Put(out, 1, 2);
  Put(out, 32, 2);
  for (int k = 0; k < 6; ++k) Put(out, 0, 4);
  for (std::uint32_t pixel : capture.pixels) Put(out, pixel, 4);
}

// Types a key on the keyboard, once the window has the keyboard.
void SendKey(HWND window, WORD virtualKey) {
  WaitFor(
      [&] {
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
      },
      kEndTimeout);
  Check(GetForegroundWindow() == window, "the window has the keyboard");
  std::vector<INPUT> inputs(2);
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = virtualKey;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The Mouse setting, written where the setup dialog writes it and taken
// away again afterwards.
class MouseSetting {
 public:
  explicit MouseSetting(const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    written_ = RegSetValueExA(key, "Mouse", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.data()),
                              static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
    RegCloseKey(key);
  }
  ~MouseSetting() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
      return;
    }
    RegDeleteValueA(key, "Mouse");
    RegCloseKey(key);
  }
  MouseSetting(const MouseSetting&) = delete;
  MouseSetting& operator=(const MouseSetting&) = delete;

  bool Written() const { return written_; }

 private:
  bool written_ = false;
};

// The preview parent, a top-level window as Display Properties' monitor is.
class PreviewParent {
 public:
  PreviewParent() {
    brush_ = CreateSolidBrush(RGB(255, 0, 255));
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = brush_;
    windowClass.lpszClassName = "TalvoraProbeParent";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, windowClass.lpszClassName, "Display Properties",
                              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40, 240, 200,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
    PumpMessages();
  }
  ~PreviewParent() {
    Destroy();
    DeleteObject(brush_);
  }
  PreviewParent(const PreviewParent&) = delete;
  PreviewParent& operator=(const PreviewParent&) = delete;

  HWND Window() const { return window_; }
  void Destroy() {
    if (window_ != nullptr) DestroyWindow(window_);
    window_ = nullptr;
  }

 private:
  HBRUSH brush_ = nullptr;
  HWND window_ = nullptr;
};

int CheckPreview(const std::string& scr) {
  PreviewParent parent;
  Check(parent.Window() != nullptr, "the preview parent window is made");
  const auto handle = static_cast<long long>(reinterpret_cast<std::intptr_t>(parent.Window()));
  SaverProcess saver(scr, "/p " + std::to_string(handle));
  Check(saver.Started(), "Talvora.scr /p " + std::to_string(handle) + " starts");
  if (!saver.Started()) return 1;

  const HWND child = WaitForWindow(saver, parent.Window());
  Check(child != nullptr, "a child window of the saver's appears in the parent");
  if (child == nullptr) return 1;
  RECT parentClient{};
  RECT childClient{};
  GetClientRect(parent.Window(), &parentClient);
  GetClientRect(child, &childClient);
  Check(EqualRect(&parentClient, &childClient) != FALSE,
        "the child is sized to the parent's client area: " + Describe(childClient) + " for " +
            Describe(parentClient));
  Check((GetWindowLongA(child, GWL_STYLE) & WS_CHILD) != 0, "the preview is a child window");
  Check((GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0, "the preview is not topmost");
  // Start-up names the window just after showing it.
  char caption[32] = {};
  WaitFor(
      [&] {
        GetWindowTextA(child, caption, sizeof caption);
        return std::string_view(caption) == "Preview";
      },
      kEndTimeout);
  Check(std::string_view(caption) == "Preview", std::string("its caption is \"") + caption + "\"");

  // Wine 8 does not show what a process draws in a child window of another
  // process's window, so the preview's pixels cannot be looked at here; the
  // full-screen check looks at the same drawing.
  Pause(milliseconds(600));
  Check(saver.Running(), "the preview keeps running while its parent lives");

  parent.Destroy();
  Check(saver.EndsWithin(kEndTimeout), "the saver ends once its parent is gone");
  return failures == 0 ? 0 : 1;
}

int CheckFullScreen(const std::string& scr, const std::string& shot) {
  SaverProcess saver(scr, "/s");
  Check(saver.Started(), "Talvora.scr /s starts");
  if (!saver.Started()) return 1;
  const HWND window = WaitForWindow(saver, nullptr);
  Check(window != nullptr, "the saver's window appears");
  if (window == nullptr) return 1;

  const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  Check((exStyle & WS_EX_TOPMOST) != 0, "the window is topmost");
  Check((exStyle & WS_EX_TOOLWINDOW) != 0, "the window has no taskbar button");
  Check((GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == 0, "the window has no title bar");
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const RECT screen = VirtualScreen();
  Check(EqualRect(&bounds, &screen) != FALSE,
        "the window covers the virtual screen: " + Describe(bounds) + " for " + Describe(screen));

  // A busy machine may take a while to put the first balls on the screen, so
  // look again until something other than black shows.
  Capture shown;
  double black = 1.0;
  WaitFor(
      [&] {
        shown = CaptureScreen(screen);
        black = ShareOf(shown, 0);
        return black < 1.0;
      },
      kSceneTimeout);
  Check(saver.Running(), "the saver runs until it is told to end");
  WriteBmp(shown, shot);
  Check(black > 0.5 && black < 1.0, "the screen shows the scene on black (" +
                                        std::to_string(black * 100) + "% black), kept in " + shot);

  SendKey(window, 'A');
  Check(saver.EndsWithin(kFullScreenEndTimeout), "a key ends the saver");
  return failures == 0 ? 0 : 1;
}

// With Mouse "0" a jump of 5 pixels ends the saver; with "1" it does not, and
// a key still does.
int CheckMouse(const std::string& scr, const std::string& mouse) {
  const MouseSetting setting(mouse);
  Check(setting.Written(), "Mouse is set to \"" + mouse + "\" in the registry");
  SaverProcess saver(scr, "/s");
  const HWND window = WaitForWindow(saver, nullptr);
  Check(window != nullptr, "the saver's window appears");
  if (window == nullptr) return 1;
  Pause(milliseconds(500));
  // The first movement only records where the pointer is.
  SetCursorPos(300, 300);
  Pause(milliseconds(300));
  SetCursorPos(302, 303);
  Pause(milliseconds(300));
  Check(saver.Running(), "movements under 5 pixels leave the saver running");
  SetCursorPos(307, 303);
  const bool ended = saver.EndsWithin(mouse == "0" ? kFullScreenEndTimeout : milliseconds(1500));
  if (mouse == "0") {
    Check(ended, "a jump of 5 pixels ends the saver");
  } else {
    Check(!ended, "a jump of 5 pixels leaves the saver running");
    SendKey(window, VK_SPACE);
    Check(saver.EndsWithin(kFullScreenEndTimeout), "a key still ends the saver");
  }
  return failures == 0 ? 0 : 1;
}

std::optional<std::string> VersionText(const std::vector<char>& record, const std::string& block,
                                       const std::string& name) {
  void* value = nullptr;
  UINT length = 0;
  const std::string path = "\\StringFileInfo\\" + block + "\\" + name;
  if (!VerQueryValueA(record.data(), path.c_str(), &value, &length) || length == 0) {
    return std::nullopt;
  }
  return std::string(static_cast<const char*>(value));
}

void CheckText(const std::optional<std::string>& value, const std::string& name,
               const std::string& expected) {
  Check(value == expected, name + " is \"" + value.value_or("(none)") + "\"");
}

int CheckVersion(const std::string& scr) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(scr.c_str(), &ignored);
  Check(size > 0, "the module has a version record");
  if (size == 0) return 1;
  std::vector<char> record(size);
  GetFileVersionInfoA(scr.c_str(), 0, size, record.data());

  void* value = nullptr;
  UINT length = 0;
  if (VerQueryValueA(record.data(), "\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    Check(fixed->dwFileVersionMS == 0x00010000 && fixed->dwFileVersionLS == 0,
          "the file version is 1.0.0.0");
    Check(fixed->dwProductVersionMS == 0x00010000 && fixed->dwProductVersionLS == 0,
          "the product version is 1.0.0.0");
  } else {
    Check(false, "the version record has its fixed part");
  }

  Check(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", &value, &length) && length >= 4,
        "the version record names its language");
  if (length < 4) return 1;
  const auto* translation = static_cast<const WORD*>(value);
  char block[9];
  std::snprintf(block, sizeof block, "%04X%04X", translation[0], translation[1]);
  CheckText(VersionText(record, block, "FileVersion"), "FileVersion", "1.00");
  CheckText(VersionText(record, block, "ProductVersion"), "ProductVersion", "1.00");
  CheckText(VersionText(record, block, "FileDescription"), "FileDescription", "Talvora");
  CheckText(VersionText(record, block, "Comments"), "Comments", "Talvora Screen Saver");

  const HMODULE module = LoadLibraryExA(scr.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  Check(module != nullptr, "the module loads as a resource file");
  if (module == nullptr) return 1;
  char name[64] = {};
  LoadStringA(module, 1, name, sizeof name);
  Check(std::string_view(name) == "Talvora", std::string("its listed name is \"") + name + "\"");
  Check(FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)) != nullptr,
        "it carries its icon");
  const HICON icon = static_cast<HICON>(
      LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  Check(icon != nullptr, "the icon loads at 32 x 32");
  if (icon != nullptr) DestroyIcon(icon);
  const HRSRC manifest = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  Check(manifest != nullptr, "it carries a manifest");
  if (manifest != nullptr) {
    const auto* text = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
    const std::string_view body(text, SizeofResource(module, manifest));
    Check(body.find("PerMonitorV2") != std::string_view::npos,
          "the manifest declares per-monitor DPI awareness");
    Check(body.find("asInvoker") != std::string_view::npos, "the manifest asks for no elevation");
  }
  FreeLibrary(module);
  return failures == 0 ? 0 : 1;
}

// The settings key, taken away before and after a run of the setup dialog
// so that what the run finds there is what the dialog wrote.
class FreshSettings {
 public:
  FreshSettings() { Clear(); }
  ~FreshSettings() { Clear(); }
  FreshSettings(const FreshSettings&) = delete;
  FreshSettings& operator=(const FreshSettings&) = delete;

  static void Clear() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSettingsKey); }
};

std::optional<std::string> StoredSetting(const std::string& name) {
  char value[256] = {};
  DWORD size = sizeof value - 1;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, value,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(value);
}

void CheckStored(const std::string& name, const std::optional<std::string>& expected) {
  const std::optional<std::string> stored = StoredSetting(name);
  Check(stored == expected, name + " in the registry is " +
                                (stored ? "\"" + *stored + "\"" : std::string("missing")) +
                                (expected ? ", \"" + *expected + "\" expected" : ""));
}

std::string CaptionOf(HWND window) {
  char caption[128] = {};
  GetWindowTextA(window, caption, sizeof caption);
  return caption;
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// A dialog's window: its caption, client size and frame.
void CheckDialogWindow(HWND window, const std::string& caption, SIZE client) {
  Check(CaptionOf(window) == caption, "the caption is \"" + CaptionOf(window) + "\"");
  const SIZE size = ClientSize(window);
  Check(size.cx == client.cx && size.cy == client.cy,
        "the client area is " + std::to_string(size.cx) + " x " + std::to_string(size.cy));
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  Check((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0,
        "it has a title bar with a close box");
  Check((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0,
        "it has no minimise or maximise box and cannot be resized");
  Check((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) != 0, "it has a dialog frame");
}

void CheckCentred(HWND window, const RECT& area) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int spareLeft = bounds.left - area.left;
  const int spareRight = area.right - bounds.right;
  const int spareTop = bounds.top - area.top;
  const int spareBottom = area.bottom - bounds.bottom;
  Check(std::abs(spareLeft - spareRight) <= 1 && std::abs(spareTop - spareBottom) <= 1,
        "the window " + Describe(bounds) + " is centred in " + Describe(area));
}

HCURSOR CursorShown() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

// Over the e-mail link the pointer is the hand, off the links the arrow.
// Wine keeps a cursor's pixels with the process that made it, so only the
// change of handle can be seen from here.
void CheckLinkPointer(HWND credits) {
  POINT plain{20, 240};  // the bare face below the separator, in client pixels
  POINT link{300, 155};  // inside lblDescription(2)
  ClientToScreen(credits, &plain);
  ClientToScreen(credits, &link);
  SetCursorPos(plain.x, plain.y);
  Pause(milliseconds(300));
  const HCURSOR arrow = CursorShown();
  SetCursorPos(link.x, link.y);
  Check(WaitFor([&] { return CursorShown() != arrow; }, kEndTimeout),
        "over a link the pointer changes to the hand");
  SetCursorPos(plain.x, plain.y);
  Check(WaitFor([&] { return CursorShown() == arrow; }, kEndTimeout),
        "off the links it is the arrow again");
}

// The credits box opens from the setup dialog with Escape, modal over it,
// and closes with Enter.
void CheckCredits(const SaverProcess& saver, HWND setup, const std::string& shot) {
  SendKey(setup, VK_ESCAPE);
  const HWND credits = WaitForWindow(saver, nullptr, setup);
  Check(credits != nullptr, "Escape opens a second window");
  if (credits == nullptr) return;
  CheckDialogWindow(credits,
                    "Cr\xe9"
                    "ditos",
                    {382, 258});
  CheckCentred(credits, WorkArea());
  Check(GetWindow(credits, GW_OWNER) == setup, "the setup dialog owns it");
  Check(IsWindowEnabled(setup) == FALSE, "the setup dialog takes no input meanwhile");
  CheckLinkPointer(credits);
  Pause(milliseconds(300));
  WriteBmp(CaptureScreen(VirtualScreen()), shot);
  SendKey(credits, VK_RETURN);
  Check(WaitFor([&] { return IsWindow(credits) == FALSE; }, kEndTimeout),
        "Enter closes the credits box");
  Check(WaitFor([&] { return IsWindowEnabled(setup) != FALSE; }, kEndTimeout),
        "the setup dialog takes input again");
  Check(saver.Running(), "the setup dialog stays up");
}

// Wine hands captioned windows to the X window manager, which draws their
// frames and takes them off the screen. Xvfb has none: the screen would show
// the client areas only, and each closing window would wait two seconds for
// it. Unmanaged, Wine does both itself, as Windows does.
class UnmanagedWindows {
 public:
  UnmanagedWindows() { SetManaged("N"); }
  ~UnmanagedWindows() { SetManaged(nullptr); }
  UnmanagedWindows(const UnmanagedWindows&) = delete;
  UnmanagedWindows& operator=(const UnmanagedWindows&) = delete;

 private:
  static void SetManaged(const char* value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    if (value == nullptr) {
      RegDeleteValueA(key, "Managed");
    } else {
      RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                     static_cast<DWORD>(std::strlen(value) + 1));
    }
    RegCloseKey(key);
  }
};

// "/c": the setup dialog, closed from its title bar (nothing stored) or
// with OK (Enter: its choices stored).
int CheckSetup(const std::string& scr, const std::string& action, const std::string& shot) {
  const FreshSettings fresh;
  const UnmanagedWindows unmanaged;
  SaverProcess saver(scr, "/c");
  Check(saver.Started(), "Talvora.scr /c starts");
  if (!saver.Started()) return 1;
  const HWND setup = WaitForWindow(saver, nullptr);
  Check(setup != nullptr, "the setup dialog's window appears");
  if (setup == nullptr) return 1;
  CheckDialogWindow(setup, "Vudavev Arura Talvora - Rizeda98 Screen Saver", {591, 305});
  CheckCentred(setup, WorkArea());
  Check(GetWindow(setup, GW_OWNER) == nullptr &&
            (GetWindowLongA(setup, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0,
        "it has a taskbar button of its own");
  Check(IsWindowEnabled(setup) != FALSE, "it takes input");

  if (action == "cancel") {
    Pause(milliseconds(800));
    const Capture shown = CaptureScreen(VirtualScreen());
    WriteBmp(shown, shot);
    RECT client{};
    GetClientRect(setup, &client);
    MapWindowPoints(setup, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const double face = ShareOf(CaptureScreen(client), 0xC0C0C0);
    Check(face > 0.5, "the client area shows the dialog's face (" + std::to_string(face * 100) +
                          "% button face), kept in " + shot);
    PostMessageA(setup, WM_CLOSE, 0, 0);
    Check(saver.EndsWithin(kFullScreenEndTimeout), "closing the window ends the process");
    CheckStored("Saver", std::nullopt);
  } else {
    CheckCredits(saver, setup, shot);
    // The credits box stores the settings on its own OK; OK here must too.
    FreshSettings::Clear();
    SendKey(setup, VK_RETURN);
    Check(saver.EndsWithin(kFullScreenEndTimeout), "Enter presses OK, which ends the process");
    CheckStored("Saver", "1");
    CheckStored("Tela", " 0");
  }
  return failures == 0 ? 0 : 1;
}

int Usage() {
  std::puts(
      "usage: talvora_scr_probe preview|fullscreen|mouse|version|setup SCR "
      "[SHOT.bmp|0|1|cancel|ok SHOT.bmp]");
  return 2;
}

}  // namespace
}  // namespace talvora

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.size() < 2) return talvora::Usage();
  const std::string scr = talvora::WindowsPath(arguments[1]);
  const std::string& check = arguments[0];
  if (check == "preview") return talvora::CheckPreview(scr);
  if (check == "version") return talvora::CheckVersion(scr);
  if (arguments.size() < 3) return talvora::Usage();
  if (check == "fullscreen") return talvora::CheckFullScreen(scr, arguments[2]);
  if (check == "mouse") return talvora::CheckMouse(scr, arguments[2]);
  if (check == "setup" && arguments.size() > 3) {
    return talvora::CheckSetup(scr, arguments[2], arguments[3]);
  }
  return talvora::Usage();
}
