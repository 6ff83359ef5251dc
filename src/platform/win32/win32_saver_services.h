#pragma once

#include <string>

#include "platform/saver_services.h"

namespace talvora {

// Where the Windows 95 screen-saver password services live.
struct PasswordLibraries {
  std::string verify = "password.cpl";  // exports VerifyScreenSavePwd
  std::string change = "mpr.dll";       // exports PwdChangePasswordA
};

// The cursor count and system parameters of user32, and the password
// services looked up when they are called. Windows NT and later (and Wine)
// have neither: there the system guards the desktop itself, so a check that
// finds no service passes and a password change does nothing.
class Win32SaverServices final : public SaverServices {
 public:
  explicit Win32SaverServices(PasswordLibraries libraries = {})
      : libraries_(std::move(libraries)) {}

  int ShowCursor(bool show) override;
  // 1 when the library or its export is missing.
  std::int32_t VerifyScreenSavePwd(WindowHandle window) override;
  // 0, and nothing shown, when the library or its export is missing.
  std::int32_t PwdChangePassword(std::string_view keyName, WindowHandle parent) override;
  bool SystemParametersInfo(std::uint32_t action, std::uint32_t parameter) override;

 private:
  PasswordLibraries libraries_;
};

}  // namespace talvora
