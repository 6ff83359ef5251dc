// A stand-in for the Windows 95 password services, so that the saver's
// services can be seen to call them: each answers with a value made from
// what it was given.

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string_view>

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND window) {
  return static_cast<BOOL>(HandleToLong(window) + 1);
}

extern "C" __declspec(dllexport) DWORD WINAPI
    PwdChangePasswordA(LPCSTR keyName, HWND parent, DWORD reserved1, DWORD reserved2) {
  if (std::string_view(keyName) != "SCRSAVE" || reserved1 != 0 || reserved2 != 0) return 0;
  return static_cast<DWORD>(HandleToLong(parent)) * 2;
}
