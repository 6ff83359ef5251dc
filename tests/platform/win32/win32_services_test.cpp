#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/win32_file_services.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_saver_services.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window_services.h"
#include "tests/support/temp_folder.h"

namespace talvora {
namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(Win32FileServices, CopyReplacesTheDestinationAndKeepsTheSource) {
  const TempFolder folder;
  const std::string source = folder.Write("logo.tlv", "product");
  const std::string destination = folder.Write("logo.sys", "boot screen");
  Win32FileServices files;
  EXPECT_TRUE(files.CopyFile(source, destination));
  EXPECT_EQ(Contents(destination), "product");
  EXPECT_EQ(Contents(source), "product");
  EXPECT_FALSE(files.CopyFile(folder.PathOf("missing.tlv"), destination));
  EXPECT_EQ(Contents(destination), "product");
}

TEST(Win32FileServices, SetAttributesReplacesThemAll) {
  const TempFolder folder;
  const std::string path = folder.Write("logo.sys", "boot");
  Win32FileServices files;
  ASSERT_TRUE(files.SetAttributes(path, kFileAttributeReadOnly | kFileAttributeSystem));
  ASSERT_TRUE(files.SetAttributes(path, kFileAttributeHidden));
  // Wine reports every file as archived whatever was set; all else is exact.
  EXPECT_EQ(GetFileAttributesA(path.c_str()) & ~DWORD{FILE_ATTRIBUTE_ARCHIVE},
            DWORD{FILE_ATTRIBUTE_HIDDEN});
  ASSERT_TRUE(files.SetAttributes(path, 0));  // plain again, so the folder can go
  EXPECT_FALSE(files.SetAttributes(folder.PathOf("missing.sys"), kFileAttributeHidden));
}

TEST(Win32SaverServices, WithoutThePasswordServicesTheCheckPassesAndChangeDoesNothing) {
  // kernel32 exists but exports neither; the other library does not exist.
  for (const PasswordLibraries& libraries :
       {PasswordLibraries{}, PasswordLibraries{"kernel32.dll", "kernel32.dll"},
        PasswordLibraries{"no_such_library.cpl", "no_such_library.dll"}}) {
    Win32SaverServices services(libraries);
    EXPECT_EQ(services.VerifyScreenSavePwd(0x1234), 1) << libraries.verify;
    EXPECT_EQ(services.PwdChangePassword("SCRSAVE", 0x1234), 0) << libraries.change;
  }
}

TEST(Win32SaverServices, CallsThePasswordServicesWhereTheyExist) {
  Win32SaverServices services({"talvora_password_stub.dll", "talvora_password_stub.dll"});
  EXPECT_EQ(services.VerifyScreenSavePwd(0x1234), 0x1235);
  EXPECT_EQ(services.PwdChangePassword("SCRSAVE", 0x1234), 0x2468);
}

TEST(Win32SaverServices, ShowCursorCountsUpAndDown) {
  Win32SaverServices services;
  const int shown = services.ShowCursor(true);
  EXPECT_EQ(services.ShowCursor(false), shown - 1);
}

// A real window for the window services to move, destroyed with the test.
class Win32WindowServicesTest : public testing::Test {
 protected:
  static constexpr WindowRect kVirtualScreen{-300, -120, 724, 648};

  void SetUp() override {
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    if (child_ != nullptr) DestroyWindow(child_);
    DestroyWindow(window_);
  }

  RECT ScreenRectOf(HWND window) const {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
  }

  Win32WindowServices services_{kVirtualScreen};
  HWND window_ = nullptr;
  HWND child_ = nullptr;
};

TEST_F(Win32WindowServicesTest, TheDesktopIsTheVirtualScreenSeenFromItsCorner) {
  EXPECT_EQ(services_.GetWindowRect(services_.GetDesktopWindow()), (WindowRect{0, 0, 1024, 768}));
}

TEST_F(Win32WindowServicesTest, TopLevelWindowsArePlacedFromTheVirtualScreensCorner) {
  ASSERT_TRUE(services_.SetWindowPos(FromHwnd(window_), kHwndTop, 0, 0, 200, 100, kSwpNoActivate));
  const RECT onScreen = ScreenRectOf(window_);
  EXPECT_EQ(onScreen.left, -300);
  EXPECT_EQ(onScreen.top, -120);
  EXPECT_EQ(services_.GetWindowRect(FromHwnd(window_)), (WindowRect{0, 0, 200, 100}));
  EXPECT_EQ(services_.GetClientRect(FromHwnd(window_)), (WindowRect{0, 0, 200, 100}));
}

TEST_F(Win32WindowServicesTest, AChildLeavesPopupBehindAndKeepsItsParentsCoordinates) {
  child_ = CreateWindowExA(0, "STATIC", "child", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
  ASSERT_NE(child_, nullptr);
  const WindowHandle child = FromHwnd(child_);
  const auto styleOf = [&] {
    return static_cast<DWORD>(services_.GetWindowLong(child, kGwlStyle));
  };
  EXPECT_EQ(styleOf() & WS_POPUP, DWORD{WS_POPUP});
  services_.SetWindowLong(child, kGwlStyle, services_.GetWindowLong(child, kGwlStyle) | kWsChild);
  EXPECT_EQ(styleOf() & (WS_POPUP | WS_CHILD), DWORD{WS_CHILD});
  services_.SetParent(child, FromHwnd(window_));
  EXPECT_EQ(GetParent(child_), window_);
  ASSERT_TRUE(services_.SetWindowPos(FromHwnd(window_), kHwndTop, 0, 0, 200, 100, kSwpNoActivate));
  ASSERT_TRUE(services_.SetWindowPos(child, kHwndTop, 5, 6, 50, 40, kSwpNoActivate));
  const RECT onScreen = ScreenRectOf(child_);
  EXPECT_EQ(onScreen.left, -300 + 5);
  EXPECT_EQ(onScreen.top, -120 + 6);
}

TEST_F(Win32WindowServicesTest, FailingCallsReportNothing) {
  EXPECT_EQ(services_.GetWindowRect(0x7FFF0000), std::nullopt);
  EXPECT_EQ(services_.GetClientRect(0x7FFF0000), std::nullopt);
}

TEST(Win32Shell, ReportsWhatCannotBeStarted) {
  const TempFolder folder;
  Win32Shell shell;
  EXPECT_FALSE(shell.StartProgram(folder.PathOf("missing.exe"), kSwShowNormal));
  EXPECT_LE(shell.ShellExecute(0, "", folder.PathOf("missing.txt"), "", "c:\\", kSwShowNormal), 32);
}

}  // namespace
}  // namespace talvora
