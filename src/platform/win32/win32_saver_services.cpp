#include "platform/win32/win32_saver_services.h"

#include <memory>
#include <type_traits>

#include "platform/win32/win32_handles.h"
#include "platform/win32/windows_api.h"

namespace talvora {
namespace {

using VerifyScreenSavePwdFn = BOOL(WINAPI*)(HWND);
using PwdChangePasswordAFn = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, DWORD);

struct LibraryFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

// An export of a library kept loaded while the caller holds `library`.
template <typename Fn>
Fn FindExport(const std::string& libraryName, const char* exportName, Library& library) {
  library.reset(LoadLibraryA(libraryName.c_str()));
  if (!library) return nullptr;
  // Through the generic function pointer type: the export's real type is
  // known only to us, not to GetProcAddress.
  const auto generic = reinterpret_cast<void (*)()>(GetProcAddress(library.get(), exportName));
  return reinterpret_cast<Fn>(generic);
}

constexpr std::int32_t kPassed = 1;

}  // namespace

int Win32SaverServices::ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }

std::int32_t Win32SaverServices::VerifyScreenSavePwd(WindowHandle window) {
  Library library;
  const auto verify =
      FindExport<VerifyScreenSavePwdFn>(libraries_.verify, "VerifyScreenSavePwd", library);
  if (verify == nullptr) return kPassed;
  return static_cast<std::int32_t>(verify(ToHwnd(window)));
}

std::int32_t Win32SaverServices::PwdChangePassword(std::string_view keyName, WindowHandle parent) {
  Library library;
  const auto change =
      FindExport<PwdChangePasswordAFn>(libraries_.change, "PwdChangePasswordA", library);
  if (change == nullptr) return 0;
  const std::string key(keyName);
  return static_cast<std::int32_t>(change(key.c_str(), ToHwnd(parent), 0, 0));
}

bool Win32SaverServices::SystemParametersInfo(std::uint32_t action, std::uint32_t parameter) {
  UINT scratch = 0;
  return SystemParametersInfoA(action, parameter, &scratch, 0) != FALSE;
}

}  // namespace talvora
