# Suites of the Win32 backend, built only for Windows and run under Wine: unit suites
# (tests/win32/test_*.cpp) as they are, display suites (tests/win32/display_*.cpp) under Xvfb,
# where Wine draws its windows and its OpenGL uses Mesa.
if(WIN32)
  file(GLOB VYN_WIN32_UNIT_SUITES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/test_*.cpp)
  foreach(source IN LISTS VYN_WIN32_UNIT_SUITES)
    get_filename_component(name ${source} NAME_WE)
    vyn_add_suite(${name} ${source})
  endforeach()
  file(GLOB VYN_WIN32_DISPLAY_SUITES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/win32/display_*.cpp)
  foreach(source IN LISTS VYN_WIN32_DISPLAY_SUITES)
    get_filename_component(name ${source} NAME_WE)
    vyn_add_suite(${name} ${source} DISPLAY)
  endforeach()
endif()
