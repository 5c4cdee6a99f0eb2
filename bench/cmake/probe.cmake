# swap-probe: the library bench/compare-landscape.sh preloads into the demo and the baseline to
# count their frames, time their first frame and read their peak memory the same way.
add_library(swap-probe SHARED ${CMAKE_CURRENT_SOURCE_DIR}/swap_probe.cpp)
target_include_directories(swap-probe PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(swap-probe PRIVATE ${CMAKE_DL_LIBS})
set_target_properties(swap-probe PROPERTIES OUTPUT_NAME vynswapprobe)
