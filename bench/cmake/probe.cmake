# swap-probe: the library bench/compare-landscape.sh preloads into the demo and the baseline to
# count their frames, time their first frame and read their peak memory the same way.
add_library(swap-probe SHARED ${CMAKE_CURRENT_SOURCE_DIR}/swap_probe.cpp)
target_include_directories(swap-probe PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(swap-probe PRIVATE ${CMAKE_DL_LIBS})
set_target_properties(swap-probe PROPERTIES OUTPUT_NAME vynswapprobe)

# With the tests built too: one short round of the comparison, which must run both programs
# through the probe into the same framebuffer and print its verdicts.
if(VYN_BUILD_TESTS)
  add_test(NAME compare_landscape
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/compare-landscape.sh --build ${CMAKE_BINARY_DIR}
            --rounds 1 --seconds 6)
  set_tests_properties(compare_landscape PROPERTIES
    TIMEOUT 120 RESOURCE_LOCK xvfb LABELS "display;unsanitized"
    PASS_REGULAR_EXPRESSION "peak resident memory, demo / baseline: +[0-9.]+ \\(target"
    FAIL_REGULAR_EXPRESSION "WARNING")
  add_test(NAME compare_landscape_refuses_bad_options
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/compare-landscape.sh --build ${CMAKE_BINARY_DIR}
            --rounds 0)
  set_tests_properties(compare_landscape_refuses_bad_options PROPERTIES
    LABELS unit PASS_REGULAR_EXPRESSION "--rounds needs a positive whole number")
endif()
