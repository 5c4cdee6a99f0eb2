# Tests of a Windows build, cross-compiled on Linux (cmake/mingw-w64-x86_64.cmake): GoogleTest is
# built from Debian's source package with the same compiler, and every test executable runs under
# Wine through the toolchain's emulator, in the build folder's private prefix, made once before
# the first test.
#
# The whole run needs one X server, given by its caller (make test-windows runs ctest inside one
# xvfb-run): all programs of a prefix share one Wine desktop process, which binds to the display
# it first sees, so a display per suite, as on Linux, would leave later suites drawing on a
# display that is gone. Wine's OpenGL draws there through the host's Mesa.
set(VYN_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VYN_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main gmock gmock_main)
  # Not our code: its warnings are not ours to fix.
  target_compile_options(${library} PRIVATE -w)
endforeach()

set(VYN_DISPLAY_LAUNCHER ${CMAKE_CROSSCOMPILING_EMULATOR})

if(NOT VYN_WINE)
  message(FATAL_ERROR "Running the Windows tests needs Wine (Debian package wine64)")
endif()

# Before the first test: refuses to run without a display, ends a Wine session left from an
# earlier run (its desktop may be bound to a display that is gone), makes or updates the prefix,
# waits until it is written out, then starts a server that stays up until the last test. Left to
# itself the server quits a few seconds after its last program ends, and a program started in
# that moment loses its connection ("recvmsg: Connection reset by peer") before its first line.
string(JOIN " " VYN_WINE_RUN ${CMAKE_CROSSCOMPILING_EMULATOR})
set(VYN_WINESERVER_RUN env WINEPREFIX=${VYN_WINE_PREFIX} ${VYN_WINESERVER})
string(JOIN " " VYN_WINESERVER_RUN ${VYN_WINESERVER_RUN})
add_test(NAME wine-prefix COMMAND sh -c
  "test -n \"$DISPLAY\" || { echo 'Windows tests need an X display: run ctest under xvfb-run' >&2; exit 1; }
   mkdir -p ${VYN_WINE_PREFIX} && ${VYN_WINESERVER_RUN} -k 2>/dev/null;
   ${VYN_WINESERVER_RUN} -p </dev/null >/dev/null 2>&1 &&
   { ${VYN_WINE_RUN} wineboot --init </dev/null >${CMAKE_BINARY_DIR}/wineboot.log 2>&1 ||
     { cat ${CMAKE_BINARY_DIR}/wineboot.log; false; }; }")
set_tests_properties(wine-prefix PROPERTIES FIXTURES_SETUP wine-prefix TIMEOUT 300 LABELS windows)
add_test(NAME wine-session-end COMMAND sh -c "${VYN_WINESERVER_RUN} -k 2>/dev/null; true")
set_tests_properties(wine-session-end PROPERTIES FIXTURES_CLEANUP wine-prefix TIMEOUT 60 LABELS windows)

# vyn_run_under_wine(test): the test waits for the prefix. A suite passes only when GoogleTest
# says so: a program that dies of a stack overflow under Wine may still exit with status 0.
function(vyn_run_under_wine test)
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine-prefix)
  set_property(TEST ${test} APPEND PROPERTY LABELS windows)
  get_test_property(${test} LABELS labels)
  if("unit" IN_LIST labels OR "display" IN_LIST labels)
    set_tests_properties(${test} PROPERTIES
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  endif()
endfunction()
