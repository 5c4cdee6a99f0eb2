# Proof under faults: the display-mode guard's suite drives a full-screen framework program that
# changes the display mode and then dies in the ways a program can.
add_executable(vyn-fullscreen-child ${CMAKE_CURRENT_SOURCE_DIR}/tools/vyn-fullscreen-child.cpp)
target_link_libraries(vyn-fullscreen-child PRIVATE vynframework)

target_link_libraries(display_displayModeGuard PRIVATE vyne2esupport)
add_dependencies(display_displayModeGuard vyn-fullscreen-child)
target_compile_definitions(display_displayModeGuard PRIVATE
  VYN_FULLSCREEN_CHILD="$<TARGET_FILE:vyn-fullscreen-child>")
