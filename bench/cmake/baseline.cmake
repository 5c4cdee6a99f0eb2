# baseline-landscape: the landscape drawn by a plain SDL2 + OpenGL program written without the
# framework, to compare the demo's frame rate and start-up time against.
find_package(SDL2 REQUIRED)
set(OpenGL_GL_PREFERENCE LEGACY) # libGL.so.1, the library the framework loads
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
add_executable(baseline-landscape ${CMAKE_CURRENT_SOURCE_DIR}/baseline_landscape.cpp)
target_link_libraries(baseline-landscape PRIVATE SDL2::SDL2 OpenGL::GL OpenGL::GLU)
