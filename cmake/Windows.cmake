# SPDX-License-Identifier: MIT
# The 32-bit Windows program, built and tested from the Linux build tree.
#
# When the mingw-w64 cross compiler is found, the Windows tree is configured
# and built in ${CMAKE_BINARY_DIR}/win32 with cmake/mingw-w64-i686.cmake, as
# part of the normal build. ctest then runs, under Wine:
#   win32.scenario.NAME  every tests/scenarios/NAME.scenario through
#                        lexidor-scenario.exe, compared with NAME.expected
#   win32.window         lexidor-window-test.exe (layout, picture, fonts,
#                        what Active Accessibility reports)
#   win32.window-150     the same on a display at 144 dpi (150 per cent)
#   win32.reader-events  lexidor-reader-test.exe: lexidor.exe typed into from
#                        another process, its focus and live-region events
#                        read as a screen reader reads them
#   win32.resources      icon, picture and version record (icoutils)
#   win32.imports        the programs import only system DLLs
#   win32.size           lexidor.exe stays under 200 KB
# The runs under Wine share one prefix, build/wine-prefix, made by the first.
# Without the cross compiler, Wine or icoutils, one test says what is missing
# and reports itself skipped (tests/win32/install-deps.sh installs them all).
# Where Wine cannot start at all (a kernel without 32-bit support, IA32
# emulation, runs no 32-bit program), that test says so and the runs under
# Wine are left out; the checks of the files still run.

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

set(LEXIDOR_WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
set(lexidor_win32_bin ${LEXIDOR_WIN32_DIR}/src/win32)
set(lexidor_win32_test_bin ${LEXIDOR_WIN32_DIR}/tests/win32)
set(lexidor_win32_tests ${PROJECT_SOURCE_DIR}/tests/win32)

if(LEXIDOR_MINGW_CXX)
  include(ExternalProject)
  ExternalProject_Add(lexidor_windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${LEXIDOR_WIN32_DIR}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-i686.cmake
               -DCMAKE_BUILD_TYPE=MinSizeRel
               -DLEXIDOR_TESTS=${LEXIDOR_TESTS}
               -DLEXIDOR_QT=OFF
               -DLEXIDOR_WERROR=${LEXIDOR_WERROR}
    INSTALL_COMMAND ""
    # The Windows tree's CMake output is shown only when its configure fails
    # (it is kept in lexidor_windows-prefix/src/lexidor_windows-stamp/).
    LOG_CONFIGURE ON
    LOG_OUTPUT_ON_FAILURE ON
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${lexidor_win32_bin}/lexidor.exe
                     ${lexidor_win32_test_bin}/lexidor-scenario.exe
                     ${lexidor_win32_test_bin}/lexidor-window-test.exe
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

# The checks of the files themselves need no Wine.
add_test(NAME win32.resources
         COMMAND bash ${lexidor_win32_tests}/check-resources.sh ${lexidor_win32_bin}/lexidor.exe
                 ${PROJECT_SOURCE_DIR}/resources)
add_test(NAME win32.imports
         COMMAND bash ${lexidor_win32_tests}/check-imports.sh ${LEXIDOR_MINGW_OBJDUMP}
                 ${lexidor_win32_bin}/lexidor.exe ${lexidor_win32_test_bin}/lexidor-scenario.exe)

# The program stays one small file: under 200 KB with the picture inside.
add_test(NAME win32.size
         COMMAND sh -c "size=$(stat -c %s \"$0\"); echo \"lexidor.exe: $size bytes\"; test \"$size\" -lt 204800"
                 ${lexidor_win32_bin}/lexidor.exe)

# Can Wine start a 32-bit program here? (`wine --version` is answered by
# Wine's 32-bit loader, before any prefix is looked at.)
execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEDEBUG=-all ${LEXIDOR_WINE} --version
                RESULT_VARIABLE lexidor_wine_status OUTPUT_QUIET ERROR_VARIABLE lexidor_wine_error)
if(NOT lexidor_wine_status EQUAL 0)
  if(lexidor_wine_error MATCHES "Exec format error")
    set(lexidor_wine_why "this system cannot run 32-bit programs (a kernel without IA32 emulation), so Wine cannot start lexidor.exe")
  else()
    string(STRIP "${lexidor_wine_error}" lexidor_wine_error)
    set(lexidor_wine_why "Wine does not start: ${lexidor_wine_error}")
  endif()
  add_test(NAME win32.skipped COMMAND sh -c "echo \"Windows programs built, not run: $0\"; exit 77" "${lexidor_wine_why}")
  set_tests_properties(win32.skipped PROPERTIES SKIP_RETURN_CODE 77)
  return()
endif()

# One Wine prefix for the whole run, made by the first test and reused. The
# tests that run in it take turns (RESOURCE_LOCK): programs in one prefix
# share one desktop, where a second window would take the activation from
# the first, and a run at another resolution changes the prefix's setting
# while it lasts (tests/win32/wine-run.sh).
set(lexidor_wine_prefix ${CMAKE_BINARY_DIR}/wine-prefix)
set(lexidor_wine bash ${lexidor_win32_tests}/wine-run.sh ${lexidor_wine_prefix})
# Earlier trees made a second prefix for 144 dpi (590 MB): gone.
if(EXISTS ${CMAKE_BINARY_DIR}/wine-prefix-144/.lexidor-ready)
  file(REMOVE_RECURSE ${CMAKE_BINARY_DIR}/wine-prefix-144)
endif()

add_test(NAME win32.prefix COMMAND ${lexidor_wine} setup headless)
set_tests_properties(win32.prefix PROPERTIES FIXTURES_SETUP lexidor_wine TIMEOUT 300)
add_test(NAME win32.wineserver-stop COMMAND ${lexidor_wine} stop)
set_tests_properties(win32.wineserver-stop PROPERTIES FIXTURES_CLEANUP lexidor_wine)

file(GLOB lexidor_win32_scenarios CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/scenarios/*.scenario)
foreach(scenario IN LISTS lexidor_win32_scenarios)
  get_filename_component(name ${scenario} NAME_WE)
  add_test(NAME win32.scenario.${name}
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/scenario/run-scenario.sh
                   ${lexidor_win32_test_bin}/lexidor-scenario.exe ${scenario}
                   ${PROJECT_SOURCE_DIR}/tests/scenarios/${name}.expected
                   ${lexidor_wine} run)
  set_tests_properties(win32.scenario.${name} PROPERTIES FIXTURES_REQUIRED lexidor_wine TIMEOUT 120
                       RESOURCE_LOCK lexidor_wine_desktop)
endforeach()

# The window at 96 dpi, and on a display scaled to 150 per cent (144 dpi).
# Wine's own exit status can be 0 when the program never started: the
# program's closing line decides.
add_test(NAME win32.window COMMAND ${lexidor_wine} run ${lexidor_win32_test_bin}/lexidor-window-test.exe)
add_test(NAME win32.reader-events
         COMMAND ${lexidor_wine} run ${lexidor_win32_test_bin}/lexidor-reader-test.exe
                 ${lexidor_win32_bin}/lexidor.exe)
set_tests_properties(win32.reader-events PROPERTIES FIXTURES_REQUIRED lexidor_wine TIMEOUT 120
                     RESOURCE_LOCK lexidor_wine_desktop PASS_REGULAR_EXPRESSION "[1-9][0-9]* passed, 0 failed")
add_test(NAME win32.window-150
         COMMAND ${lexidor_wine} run --dpi 144 ${lexidor_win32_test_bin}/lexidor-window-test.exe --dpi 144)
set_tests_properties(win32.window win32.window-150 PROPERTIES FIXTURES_REQUIRED lexidor_wine TIMEOUT 120
                     RESOURCE_LOCK lexidor_wine_desktop PASS_REGULAR_EXPRESSION "[1-9][0-9]* passed, 0 failed")
