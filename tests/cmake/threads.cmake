# The suites that exercise the caption timer's thread against the window and the loop also run in
# the ThreadSanitizer build (make test runs `ctest -L threads` there).
foreach(suite test_vynMainWindow test_vynWindowLoop test_vynWindowState display_vynMainWindow
              display_sdlPlatform)
  if(TEST ${suite})
    set_property(TEST ${suite} APPEND PROPERTY LABELS threads)
  endif()
endforeach()
