# End-to-end tests of the landscape demo: the built demo is started in a fresh folder of generated
# files under Xvfb and driven from outside with xdotool, ImageMagick's import and vyn-xclose.
# A Windows build has none of this: the host build's suite drives its demo (tests/cmake/win32.cmake).
if(WIN32)
  return()
endif()
find_package(X11 REQUIRED)

# Sends a window the close request a window manager would (Xvfb runs without one).
add_executable(vyn-xclose ${CMAKE_CURRENT_SOURCE_DIR}/tools/vyn-xclose.cpp)
target_link_libraries(vyn-xclose PRIVATE X11::X11)

file(GLOB VYN_E2E_SUPPORT CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/e2e/*.cpp)
add_library(vyne2esupport STATIC ${VYN_E2E_SUPPORT})
target_include_directories(vyne2esupport PUBLIC ${PROJECT_SOURCE_DIR})

target_link_libraries(test_vynEndToEndSupport PRIVATE vyne2esupport)

# vyn_drives_the_demo(suite): the suite starts the built demo on freshly generated files and
# closes it as a window manager would; it learns where those programs are from its definitions.
function(vyn_drives_the_demo suite)
  target_link_libraries(${suite} PRIVATE vyne2esupport)
  add_dependencies(${suite} landscape make-landscape vyn-xclose)
  target_compile_definitions(${suite} PRIVATE
    VYN_LANDSCAPE="$<TARGET_FILE:landscape>"
    VYN_MAKE_LANDSCAPE="$<TARGET_FILE:make-landscape>"
    VYN_XCLOSE="$<TARGET_FILE:vyn-xclose>")
endfunction()

vyn_drives_the_demo(display_landscape)
# Starts the demo about fifteen times; slow under the sanitizers on a loaded machine.
set_tests_properties(display_landscape PROPERTIES TIMEOUT 600)
