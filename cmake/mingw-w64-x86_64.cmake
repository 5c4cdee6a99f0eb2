# Cross-compiling for 64-bit Windows on Debian with mingw-w64 (package g++-mingw-w64-x86-64-posix,
# the POSIX-threads flavour, which std::thread and std::mutex need).
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# The executables are linked statically against the compiler's runtime (libstdc++, libgcc,
# winpthread), so each .exe runs on its own, on Windows or under Wine, without DLLs beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VYN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VYN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VYN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VYN_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VYN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# What we build runs on this machine under Wine (Debian's wine64): tests, and the generator of the
# demo's data. Each build folder has a Wine prefix of its own; WINEDEBUG=-all keeps Wine's own
# diagnostics out of the programs' output, and mscoree and mshtml are off so that a fresh prefix
# does not offer to download Mono and Gecko.
find_program(VYN_WINE NAMES wine64 wine PATHS /usr/lib/wine)
find_program(VYN_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine)
if(VYN_WINE)
  set(VYN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    env WINEPREFIX=${VYN_WINE_PREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
    ${VYN_WINE})
endif()
