# The binding's suite loads a stand-in library built here.
add_library(vynfakegl MODULE ${CMAKE_CURRENT_SOURCE_DIR}/fakegl/vynFakeGLLibrary.cpp)
add_dependencies(test_vynGL vynfakegl)
target_compile_definitions(test_vynGL PRIVATE VYN_FAKE_GL_LIBRARY="$<TARGET_FILE:vynfakegl>")
