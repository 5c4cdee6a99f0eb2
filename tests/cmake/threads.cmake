# The suites that exercise the caption timer's thread against the window and the loop also run in
# the ThreadSanitizer build: `make test` builds the target thread-suites there and runs
# `ctest -L threads`.
set(VYN_THREAD_SUITES test_vynMainWindow test_vynWindowLoop test_vynWindowState
                      display_vynMainWindow display_sdlPlatform)
add_custom_target(thread-suites)
foreach(suite IN LISTS VYN_THREAD_SUITES)
  if(TARGET ${suite})
    set_property(TEST ${suite} APPEND PROPERTY LABELS threads)
    add_dependencies(thread-suites ${suite})
  endif()
endforeach()
