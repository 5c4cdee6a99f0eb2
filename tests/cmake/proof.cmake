# Proof under faults: the display-mode guard's suite drives a full-screen framework program that
# changes the display mode and then dies in the ways a program can. All of it is POSIX and X: a
# Windows build has none of it.
if(WIN32)
  return()
endif()
add_executable(vyn-fullscreen-child ${CMAKE_CURRENT_SOURCE_DIR}/tools/vyn-fullscreen-child.cpp)
target_link_libraries(vyn-fullscreen-child PRIVATE vynframework)

target_link_libraries(display_displayModeGuard PRIVATE vyne2esupport)
add_dependencies(display_displayModeGuard vyn-fullscreen-child)
target_compile_definitions(display_displayModeGuard PRIVATE
  VYN_FULLSCREEN_CHILD="$<TARGET_FILE:vyn-fullscreen-child>")

# The demo under valgrind's memcheck: valgrind cannot run a sanitizer build, so the sanitizer
# builds skip it (label "unsanitized").
find_program(VYN_VALGRIND valgrind REQUIRED)
vyn_drives_the_demo(display_landscapeMemcheck)
target_compile_definitions(display_landscapeMemcheck PRIVATE
  VYN_VALGRIND_SUPPRESSIONS="${CMAKE_CURRENT_SOURCE_DIR}/sanitizer/valgrind.supp")
set_property(TEST display_landscapeMemcheck APPEND PROPERTY LABELS unsanitized)
# Alone, it takes about 20 s; beside other heavy suites on two cores valgrind's one-thread-at-a-
# time scheduling starves it for minutes.
set_tests_properties(display_landscapeMemcheck PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)

# Damages a data file of the demo for the bad-files run (bench/bad-files-landscape.sh).
add_executable(vyn-spoil ${CMAKE_CURRENT_SOURCE_DIR}/tools/vyn-spoil.cpp)
target_link_libraries(vyn-spoil PRIVATE vyne2esupport)

# The demo whose X server dies under it.
vyn_drives_the_demo(display_lostDisplay)
