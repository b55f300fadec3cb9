# SPDX-License-Identifier: MIT
# The Windows program, built and tested from the Linux build tree.
#
# The shipped lexidor.exe is a 32-bit program: when the mingw-w64 cross
# compiler is found, the tree ${CMAKE_BINARY_DIR}/win32 is configured with
# cmake/mingw-w64-i686.cmake and built as part of the normal build.
#
# Which build the tests run. Configure asks whether this machine executes
# 32-bit programs (Wine's 32-bit loader, `wine --version`). Where it does,
# the tests run the programs of build/win32 in a 32-bit Wine prefix. Where
# it does not (a 64-bit kernel built without 32-bit support, as on the CI
# machines), 32-bit Wine cannot start at all: the same Windows sources are
# then built a second time with cmake/mingw-w64-x86_64.cmake into
# ${CMAKE_BINARY_DIR}/win64, and the tests run those programs in a 64-bit
# prefix (wine-run.sh with WINEARCH=win64). The run tests are named after
# the build they run: win32.* or win64.*. The checks that need no running
# (resources, imports, size) always read the shipped 32-bit lexidor.exe.
# -DLEXIDOR_WINE_ARCH=win64 picks the 64-bit test build on any machine.
#
# ctest then runs, under Wine:
#   winNN.drive          every tests/scenarios/NAME.scenario replayed on
#                        lexidor.exe itself by tests/drive windows: a second
#                        program (lexidor-drive-host.exe) with the system's
#                        input, reading the window from outside
#   winNN.window         lexidor-window-test.exe (layout, picture, fonts,
#                        what Active Accessibility reports)
#   winNN.window-150     the same on a display at 144 dpi (150 per cent)
#   winNN.reader-events  lexidor-reader-test.exe: lexidor.exe typed into from
#                        another process, its focus and live-region events
#                        read as a screen reader reads them
# and on the shipped program:
#   win32.resources      icon, picture and version record (icoutils)
#   win32.imports        the programs import only system DLLs
#   win32.size           lexidor.exe stays within 10% of its size
# The runs under Wine share one prefix, build/wine-prefix, made by the first.
# Without the cross compilers, Wine or icoutils, one test says what is
# missing and reports itself skipped. tests/win32/install-deps.sh installs
# them all.

# `make windows` builds the target lexidor_windows alone; `make run` builds
# only the Qt program and leaves this tree alone.
#
# Not in the sanitizer tree either: the Windows programs are built without
# sanitizers, so that tree would only build and test them a second time.
if(WIN32 OR CMAKE_CROSSCOMPILING OR LEXIDOR_SANITIZE OR NOT LEXIDOR_WINDOWS)
  return()
endif()

find_program(LEXIDOR_MINGW_CXX NAMES i686-w64-mingw32-g++-win32 i686-w64-mingw32-g++-posix i686-w64-mingw32-g++)
find_program(LEXIDOR_MINGW_OBJDUMP NAMES i686-w64-mingw32-objdump)
find_program(LEXIDOR_WINE NAMES wine)
find_program(LEXIDOR_WRESTOOL NAMES wrestool)
find_program(LEXIDOR_ICOTOOL NAMES icotool)

# Can this machine run 32-bit Windows programs? Debian's `wine` starts its
# 32-bit loader whenever that is installed, so the loader itself is asked.
set(LEXIDOR_WINE_ARCH "" CACHE STRING "Wine prefix of the Windows tests: win32, win64, or empty to find out")
find_program(LEXIDOR_WINE64 NAMES wine64 PATHS /usr/lib/wine)
set(lexidor_wine_arch ${LEXIDOR_WINE_ARCH})
if(NOT lexidor_wine_arch AND LEXIDOR_WINE)
  find_program(LEXIDOR_WINE32 NAMES wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
  if(NOT LEXIDOR_WINE32)
    set(LEXIDOR_WINE32 ${LEXIDOR_WINE})
  endif()
  execute_process(COMMAND ${LEXIDOR_WINE32} --version RESULT_VARIABLE lexidor_wine32_status
                  OUTPUT_QUIET ERROR_QUIET TIMEOUT 20)
  if(lexidor_wine32_status EQUAL 0)
    set(lexidor_wine_arch win32)
  elseif(LEXIDOR_WINE64)
    set(lexidor_wine_arch win64)
  endif()
endif()

set(LEXIDOR_WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
set(lexidor_win32_bin ${LEXIDOR_WIN32_DIR}/src/win32)
set(lexidor_win32_tests ${PROJECT_SOURCE_DIR}/tests/win32)
# The tree whose programs the run tests start, and its compiler.
if(lexidor_wine_arch STREQUAL "win64")
  set(lexidor_test_dir ${CMAKE_BINARY_DIR}/win64)
  find_program(LEXIDOR_MINGW64_CXX NAMES x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++-posix
                                         x86_64-w64-mingw32-g++)
  find_program(LEXIDOR_MINGW64_OBJDUMP NAMES x86_64-w64-mingw32-objdump)
  set(lexidor_test_cxx ${LEXIDOR_MINGW64_CXX})
  set(lexidor_test_objdump ${LEXIDOR_MINGW64_OBJDUMP})
  set(lexidor_test_build "the x86_64 build (build/win64) in a 64-bit Wine prefix: this machine cannot execute 32-bit programs; the shipped 32-bit lexidor.exe is checked without running it")
else()
  set(lexidor_test_dir ${LEXIDOR_WIN32_DIR})
  set(lexidor_test_cxx ${LEXIDOR_MINGW_CXX})
  set(lexidor_test_objdump ${LEXIDOR_MINGW_OBJDUMP})
  set(lexidor_test_build "the shipped 32-bit build (build/win32) in a 32-bit Wine prefix")
endif()
set(lexidor_win32_test_bin ${lexidor_test_dir}/tests/win32)
set(lexidor_test_exe ${lexidor_test_dir}/src/win32/lexidor.exe)
# The 32-bit tree builds its test programs only when they are the ones run.
set(lexidor_win32_with_tests ${LEXIDOR_TESTS})
if(NOT lexidor_test_dir STREQUAL LEXIDOR_WIN32_DIR)
  set(lexidor_win32_with_tests OFF)
endif()

include(ExternalProject)
if(LEXIDOR_MINGW_CXX)
  ExternalProject_Add(lexidor_windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${LEXIDOR_WIN32_DIR}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-i686.cmake
               -DCMAKE_BUILD_TYPE=MinSizeRel
               -DLEXIDOR_TESTS=${lexidor_win32_with_tests}
               -DLEXIDOR_QT=OFF
               -DLEXIDOR_WERROR=${LEXIDOR_WERROR}
    INSTALL_COMMAND ""
    # The Windows tree's CMake output is shown only when its configure fails
    # (it is kept in lexidor_windows-prefix/src/lexidor_windows-stamp/).
    LOG_CONFIGURE ON
    LOG_OUTPUT_ON_FAILURE ON
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${lexidor_win32_bin}/lexidor.exe)
endif()
if(LEXIDOR_TESTS AND lexidor_test_cxx AND NOT lexidor_test_dir STREQUAL LEXIDOR_WIN32_DIR)
  ExternalProject_Add(lexidor_windows_x86_64
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${lexidor_test_dir}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
               -DCMAKE_BUILD_TYPE=MinSizeRel
               -DLEXIDOR_TESTS=ON
               -DLEXIDOR_QT=OFF
               -DLEXIDOR_WERROR=${LEXIDOR_WERROR}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${lexidor_test_exe}
                     ${lexidor_win32_test_bin}/lexidor-window-test.exe
                     ${lexidor_win32_test_bin}/lexidor-drive-host.exe
                     ${lexidor_win32_test_bin}/lexidor-reader-test.exe)
endif()

if(NOT LEXIDOR_TESTS)
  return()
endif()

set(lexidor_win32_missing "")
if(NOT LEXIDOR_MINGW_CXX OR NOT LEXIDOR_MINGW_OBJDUMP)
  string(APPEND lexidor_win32_missing " the cross compiler (g++-mingw-w64-i686);")
endif()
if(NOT LEXIDOR_WINE)
  string(APPEND lexidor_win32_missing " Wine (wine, wine32:i386);")
elseif(NOT lexidor_wine_arch)
  string(APPEND lexidor_win32_missing " a Wine that runs here (32-bit programs do not run: wine64);")
elseif(NOT lexidor_test_cxx OR NOT lexidor_test_objdump)
  string(APPEND lexidor_win32_missing
         " the 64-bit cross compiler (g++-mingw-w64-x86-64; 32-bit programs do not run here);")
endif()
if(NOT LEXIDOR_WRESTOOL OR NOT LEXIDOR_ICOTOOL)
  string(APPEND lexidor_win32_missing " icoutils;")
endif()

if(lexidor_win32_missing)
  # Nothing fails silently and nothing passes silently: one skipped test
  # that says why the Windows tests did not run.
  add_test(NAME win32.skipped
           COMMAND sh -c "echo 'Windows tests not run, missing:${lexidor_win32_missing} run tests/win32/install-deps.sh'; exit 77")
  set_tests_properties(win32.skipped PROPERTIES SKIP_RETURN_CODE 77)
  return()
endif()

message(STATUS "Windows tests run ${lexidor_test_build}")
# The run tests carry the name of the build they start: win32 or win64.
set(w ${lexidor_wine_arch})

# One Wine prefix for the whole run, made by the first test and reused. The
# tests that run in it take turns (RESOURCE_LOCK): programs in one prefix
# share one desktop, where a second window would take the activation from
# the first, and a run at another resolution changes the prefix's setting
# while it lasts (tests/win32/wine-run.sh).
set(lexidor_wine_prefix ${CMAKE_BINARY_DIR}/wine-prefix)
# Earlier trees made a second prefix for 144 dpi (590 MB): gone.
if(EXISTS ${CMAKE_BINARY_DIR}/wine-prefix-144/.lexidor-ready)
  file(REMOVE_RECURSE ${CMAKE_BINARY_DIR}/wine-prefix-144)
endif()
set(lexidor_wine ${CMAKE_COMMAND} -E env WINEARCH=${lexidor_wine_arch}
                 bash ${lexidor_win32_tests}/wine-run.sh ${lexidor_wine_prefix})

add_test(NAME ${w}.prefix
         COMMAND sh -c "echo \"Windows tests run $0\" && exec \"$@\"" "${lexidor_test_build}"
                 ${lexidor_wine} setup headless)
set_tests_properties(${w}.prefix PROPERTIES FIXTURES_SETUP lexidor_wine TIMEOUT 300)
add_test(NAME ${w}.wineserver-stop COMMAND ${lexidor_wine} stop)
set_tests_properties(${w}.wineserver-stop PROPERTIES FIXTURES_CLEANUP lexidor_wine)

file(GLOB lexidor_win32_scenarios CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/scenarios/*.scenario)
# The program itself (the shipped one, or its x86_64 build where 32-bit
# programs do not run) replaying every scenario from outside, as a user
# drives it.
add_test(NAME ${w}.drive
         COMMAND ${CMAKE_COMMAND} -E env LEXIDOR_WINE_PREFIX=${lexidor_wine_prefix}
                 LEXIDOR_DRIVE_HOST=${lexidor_win32_test_bin}/lexidor-drive-host.exe
                 /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tests/drive windows ${lexidor_test_exe}
                 --check ${lexidor_win32_scenarios})
set_tests_properties(${w}.drive PROPERTIES FIXTURES_REQUIRED lexidor_wine TIMEOUT 300
                     RESOURCE_LOCK lexidor_wine_desktop)

add_test(NAME ${w}.window COMMAND ${lexidor_wine} run ${lexidor_win32_test_bin}/lexidor-window-test.exe)
# Wine's own exit status can be 0 when the program never started: the
# program's closing line decides.
set_tests_properties(${w}.window PROPERTIES FIXTURES_REQUIRED lexidor_wine TIMEOUT 120
                     RESOURCE_LOCK lexidor_wine_desktop PASS_REGULAR_EXPRESSION "[1-9][0-9]* passed, 0 failed")

add_test(NAME ${w}.reader-events
         COMMAND ${lexidor_wine} run ${lexidor_win32_test_bin}/lexidor-reader-test.exe ${lexidor_test_exe})
set_tests_properties(${w}.reader-events PROPERTIES FIXTURES_REQUIRED lexidor_wine TIMEOUT 120
                     RESOURCE_LOCK lexidor_wine_desktop PASS_REGULAR_EXPRESSION "[1-9][0-9]* passed, 0 failed")

# The window on a display scaled to 150 per cent (144 dpi), in the same prefix.
add_test(NAME ${w}.window-150
         COMMAND ${lexidor_wine} run --dpi 144 ${lexidor_win32_test_bin}/lexidor-window-test.exe --dpi 144)
set_tests_properties(${w}.window-150 PROPERTIES FIXTURES_REQUIRED lexidor_wine TIMEOUT 120
                     RESOURCE_LOCK lexidor_wine_desktop PASS_REGULAR_EXPRESSION "[1-9][0-9]* passed, 0 failed")

add_test(NAME win32.resources
         COMMAND bash ${lexidor_win32_tests}/check-resources.sh ${lexidor_win32_bin}/lexidor.exe
                 ${PROJECT_SOURCE_DIR}/resources)
# The shipped program, and the programs the tests run (the objdump of the
# test build reads both kinds).
add_test(NAME win32.imports
         COMMAND bash ${lexidor_win32_tests}/check-imports.sh ${lexidor_test_objdump}
                 ${lexidor_win32_bin}/lexidor.exe ${lexidor_win32_test_bin}/lexidor-drive-host.exe)

# The program stays one small file, picture inside: within 10% of the
# 126,464 bytes it has stripped today, so a change that drags in a larger
# runtime (iostreams, locales, exceptions' messages) shows.
add_test(NAME win32.size
         COMMAND sh -c "size=$(stat -c %s \"$0\"); echo \"lexidor.exe: $size bytes, at most $1\"; test \"$size\" -le \"$1\""
                 ${lexidor_win32_bin}/lexidor.exe 139110)
