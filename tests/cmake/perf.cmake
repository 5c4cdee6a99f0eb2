# The heap policy suite reads the C library's own allocator, which the sanitizers replace.
if(TEST test_vynHeapPolicy) # not built for Windows
  set_property(TEST test_vynHeapPolicy APPEND PROPERTY LABELS unsanitized)
endif()
