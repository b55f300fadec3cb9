# SPDX-License-Identifier: MIT
# What both Windows toolchain files share (mingw-w64-i686.cmake,
# mingw-w64-x86_64.cmake); they set CMAKE_SYSTEM_PROCESSOR,
# LEXIDOR_MINGW_PREFIX and LEXIDOR_MINGW_PACKAGE first.
set(CMAKE_SYSTEM_NAME Windows)

# Debian ships the compiler in two thread models; the win32 one needs no
# winpthread and the program starts no thread, so it is preferred.
foreach(lang_tool IN ITEMS "C;gcc" "CXX;g++")
  list(GET lang_tool 0 lang)
  list(GET lang_tool 1 tool)
  find_program(LEXIDOR_MINGW_${lang} NAMES ${LEXIDOR_MINGW_PREFIX}-${tool}-win32
                                            ${LEXIDOR_MINGW_PREFIX}-${tool}-posix
                                            ${LEXIDOR_MINGW_PREFIX}-${tool})
  if(NOT LEXIDOR_MINGW_${lang})
    message(FATAL_ERROR "${LEXIDOR_MINGW_PREFIX}-${tool} not found: apt-get install ${LEXIDOR_MINGW_PACKAGE}")
  endif()
  set(CMAKE_${lang}_COMPILER ${LEXIDOR_MINGW_${lang}})
endforeach()
find_program(CMAKE_RC_COMPILER NAMES ${LEXIDOR_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${LEXIDOR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Small, self-contained programs: every function in its own section so the
# linker can drop what nothing calls; the runtime libraries linked in
# statically (see src/win32/CMakeLists.txt).
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE MinSizeRel CACHE STRING "Build type")
endif()
