# Suites of the Win32 backend, built only for Windows and run under Wine: unit suites
# (tests/win32/test_*.cpp) and display suites (tests/win32/display_*.cpp), these drawing on the
# run's X server through Wine, whose OpenGL uses Mesa.
#
# And the demo's end-to-end suite on the Windows demo: that suite is a Linux program driving the
# demo from outside through X, so the host build's copy runs (VYN_HOST_BUILD_DIR, which make
# test-windows sets) and starts landscape.exe under Wine through a launcher; and the first
# picture of the Windows demo must equal the Linux demo's, pixel for pixel.
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

  set(VYN_HOST_BUILD_DIR "" CACHE PATH
    "A Linux build of this tree, whose end-to-end suite then drives the Windows demo")
  if(VYN_HOST_BUILD_DIR)
    set(launcher ${CMAKE_CURRENT_BINARY_DIR}/landscape-under-wine)
    list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " emulator)
    file(GENERATE OUTPUT ${launcher}
      CONTENT "#!/bin/sh\nexec ${emulator} $<TARGET_FILE:landscape> \"$@\"\n"
      FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
    add_test(NAME display_landscape_windows COMMAND ${VYN_HOST_BUILD_DIR}/tests/display_landscape)
    # Wine waits 2 s for a window manager when it hides a window; Xvfb has none. Nor does Wine,
    # without a window manager, deactivate its window when another X client takes the focus (the
    # Windows demo went on drawing at 20 FPS under xmessage's focus): the focus check is skipped.
    set(skip_focus "VYN_LANDSCAPE_SKIP_FOCUS=Wine without a window manager keeps its window active")
    set_tests_properties(display_landscape_windows PROPERTIES
      ENVIRONMENT "VYN_LANDSCAPE_PROGRAM=${launcher};VYN_LANDSCAPE_CLOSE_ALLOWANCE_MS=2500;${skip_focus}"
      TIMEOUT 600 LABELS "display;e2e" RESOURCE_LOCK xvfb)
    add_test(NAME same_picture_windows COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/win32/same-picture.sh
      ${VYN_HOST_BUILD_DIR}/tests/display_landscape ${launcher})
    set_tests_properties(same_picture_windows PROPERTIES TIMEOUT 300 LABELS e2e
      RESOURCE_LOCK xvfb)
  endif()
endif()
