# LoadTexture lives in the demo's module; the texture suites call it.
target_link_libraries(test_vynTextureU PRIVATE vynlandscape)
if(TARGET display_vynTextureU) # not built for Windows
  target_link_libraries(display_vynTextureU PRIVATE vynlandscape)
endif()
