# Cross build for Windows x86-64 with Debian's mingw-w64.
# The -posix compilers are used because the win32 thread model has no std::mutex,
# which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALVORA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TALVORA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALVORA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TALVORA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TALVORA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests of the cross build run under Wine 64-bit.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
