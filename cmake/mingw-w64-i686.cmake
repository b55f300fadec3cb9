# SPDX-License-Identifier: MIT
# Cross build for 32-bit Windows with Debian's mingw-w64 (g++-mingw-w64-i686):
# the shipped lexidor.exe.
# Usage: cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
# (cmake/Windows.cmake does this from the Linux tree).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LEXIDOR_MINGW_PREFIX i686-w64-mingw32 CACHE STRING "Target triplet of the mingw-w64 tools")
set(LEXIDOR_MINGW_PACKAGE g++-mingw-w64-i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
