# The heap policy suite reads the C library's own allocator, which the sanitizers replace.
set_property(TEST test_vynHeapPolicy APPEND PROPERTY LABELS unsanitized)
