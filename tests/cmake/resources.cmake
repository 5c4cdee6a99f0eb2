# LoadTexture lives in the demo's module; the texture suites call it.
target_link_libraries(test_vynTextureU PRIVATE vynlandscape)
target_link_libraries(display_vynTextureU PRIVATE vynlandscape)
set_tests_properties(display_vynTextureU PROPERTIES ENVIRONMENT
  "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/support/lsan-system-libraries.supp")
