# SPDX-License-Identifier: MIT
# Cross build for 64-bit Windows with Debian's mingw-w64
# (g++-mingw-w64-x86-64): the same sources as the 32-bit program, for
# running the Windows tests under a 64-bit Wine where the machine cannot
# execute 32-bit programs (cmake/Windows.cmake).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LEXIDOR_MINGW_PREFIX x86_64-w64-mingw32 CACHE STRING "Target triplet of the mingw-w64 tools")
set(LEXIDOR_MINGW_PACKAGE g++-mingw-w64-x86-64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
