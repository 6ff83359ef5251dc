#pragma once

// <windows.h> for the Win32 implementation files, without the macros that
// would rename our own members: the A/W switches for names that our
// interfaces use for their operations.

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX  // the C++ library's own headers may have set it already
#define NOMINMAX
#endif
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#undef CopyFile
#undef GetWindowLong
#undef SetWindowLong
#undef ShellExecute
#undef SystemParametersInfo
