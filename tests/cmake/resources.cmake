# LoadTexture lives in the demo's module; the texture suites call it.
target_link_libraries(test_vynTextureU PRIVATE vynlandscape)
target_link_libraries(display_vynTextureU PRIVATE vynlandscape)
