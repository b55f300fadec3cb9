# SPDX-License-Identifier: MIT
# What every test runs in, and the check that the suite leaves nothing
# behind outside the build tree.
#
# Each test gets scratch folders in Testing/session/ of the build tree: a
# home (with the XDG folders in it), TMPDIR and the root of the private
# sessions (tests/support/private-session.sh) that the tests starting a
# display, a bus, a screen reader's services, Wine or lintian run in; an
# XDG_RUNTIME_DIR, where sockets go, whose path stays short wherever the
# build tree lies (a Unix socket's path has at most 107 bytes):
# /tmp/lexidor-tests.HASH, named after the build tree, made by the first
# test and removed by the last; and a session bus address where nothing
# listens, so that no test reaches the user's bus or launches one. The
# check:
#   leftovers.snapshot    first of all: the names in the home, /tmp and the
#                         like (tests/leftovers/check-leftovers.sh)
#   leftovers.nothing-new last of all: nothing new there (programs that
#                         find the home by the user's entry, or write to
#                         /tmp whatever TMPDIR says), and the scratch folders
#                         empty: each test removes what it made
# Every test requires the fixture the two make, so ctest runs them first and
# last even when it runs only some tests (ctest -R ...). In a directory that
# adds tests, call
#   cmake_language(DEFER CALL lexidor_test_session)
# (the test programs of GoogleTest are found at ctest time: see
# LEXIDOR_TEST_SESSION_SCRIPT below).

set(lexidor_session_scratch ${CMAKE_BINARY_DIR}/Testing/session)
foreach(folder home tmp sessions)
  file(MAKE_DIRECTORY ${lexidor_session_scratch}/${folder})
endforeach()
string(SHA256 lexidor_session_runtime ${CMAKE_BINARY_DIR})
string(SUBSTRING ${lexidor_session_runtime} 0 12 lexidor_session_runtime)
set(lexidor_session_runtime /tmp/lexidor-tests.${lexidor_session_runtime})

set(LEXIDOR_TEST_SESSION_ENVIRONMENT
    "HOME=set:${lexidor_session_scratch}/home"
    "XDG_CONFIG_HOME=set:${lexidor_session_scratch}/home/.config"
    "XDG_DATA_HOME=set:${lexidor_session_scratch}/home/.local/share"
    "XDG_STATE_HOME=set:${lexidor_session_scratch}/home/.local/state"
    "XDG_CACHE_HOME=set:${lexidor_session_scratch}/home/.cache"
    "TMPDIR=set:${lexidor_session_scratch}/tmp"
    "XDG_RUNTIME_DIR=set:${lexidor_session_runtime}"
    "LEXIDOR_SESSION_ROOT=set:${lexidor_session_scratch}/sessions"
    "DBUS_SESSION_BUS_ADDRESS=set:unix:path=${lexidor_session_runtime}/no-bus"
    # The window's texts from the form's table (tests/support/form_texts.py).
    "LEXIDOR_FORM_TEXTS=set:${CMAKE_BINARY_DIR}/tests/form-texts.json")

set(lexidor_leftovers ${PROJECT_SOURCE_DIR}/tests/leftovers/check-leftovers.sh)
set(lexidor_leftovers_args ${CMAKE_BINARY_DIR}/Testing/leftovers ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}
    ${lexidor_session_scratch}/home ${lexidor_session_scratch}/tmp ${lexidor_session_scratch}/sessions
    ${lexidor_session_runtime})
add_test(NAME leftovers.snapshot COMMAND bash ${lexidor_leftovers} before ${lexidor_leftovers_args})
set_tests_properties(leftovers.snapshot PROPERTIES FIXTURES_SETUP lexidor_leftovers)
add_test(NAME leftovers.nothing-new COMMAND bash ${lexidor_leftovers} after ${lexidor_leftovers_args})
set_tests_properties(leftovers.nothing-new PROPERTIES FIXTURES_CLEANUP lexidor_leftovers)

# Every test of the calling directory: the fixture and the environment.
function(lexidor_test_session)
  get_property(tests DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} PROPERTY TESTS)
  list(FILTER tests EXCLUDE REGEX "^leftovers\\.")
  foreach(test IN LISTS tests)
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED lexidor_leftovers)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT_MODIFICATION ${LEXIDOR_TEST_SESSION_ENVIRONMENT})
  endforeach()
endfunction()
cmake_language(DEFER CALL lexidor_test_session)

# The GoogleTest cases of TARGET (gtest_discover_tests) are only known when
# ctest runs: a script ctest reads after finding them gives them the same.
# lexidor_discovered_test_session(TARGET [ENVIRONMENT_MODIFICATION...])
function(lexidor_discovered_test_session target)
  set(environment ${LEXIDOR_TEST_SESSION_ENVIRONMENT} ${ARGN})
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}-session.cmake)
  file(CONFIGURE OUTPUT ${script}
       CONTENT "set_tests_properties(\${${target}_TESTS} PROPERTIES FIXTURES_REQUIRED lexidor_leftovers ENVIRONMENT_MODIFICATION [==[@environment@]==])\n"
       @ONLY)
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
