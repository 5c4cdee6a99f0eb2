# The SDL platform suite under sanitizers: leaks that system libraries keep for the life of the
# process are not ours to report.
if(VYN_SANITIZE AND TARGET display_sdlPlatform)
  set_property(TEST display_sdlPlatform APPEND PROPERTY ENVIRONMENT
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/sanitizer-suppressions.txt")
endif()
