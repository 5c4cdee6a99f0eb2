# The web build's OpenGL 1.x and GLU, linked into the program instead of opened at run time:
# gl4es (third_party/gl4es), which draws OpenGL 1.x through WebGL, and SGI's GLU
# (third_party/mesa-glu). Their own sources stay as they were vendored; the flags below are what
# gl4es's own CMake sets for an Emscripten build with NOX11, NOEGL and STATICLIB, so that its build
# files (which write into the source tree and add tests of traces not vendored) are not needed.
set(VYN_GL4ES_DIR ${CMAKE_CURRENT_LIST_DIR}/../third_party/gl4es)

# Our changes to gl4es (third_party/gl4es-patches/README.md says what each mends) are applied at
# build time, in their order, to a copy of gl4es's sources in the build folder, which is what is
# built. All of src/ is copied (with version.h, which it includes), not only the files the patches
# change: a patched header must reach every source that includes it, and each source finds the
# headers of its own folder first.
set(VYN_GL4ES_PATCHED_DIR ${CMAKE_BINARY_DIR}/gl4es-patched)
file(GLOB_RECURSE VYN_GL4ES_FILES RELATIVE ${VYN_GL4ES_DIR} CONFIGURE_DEPENDS ${VYN_GL4ES_DIR}/src/*
     ${VYN_GL4ES_DIR}/version.h)
foreach(file IN LISTS VYN_GL4ES_FILES)
  configure_file(${VYN_GL4ES_DIR}/${file} ${VYN_GL4ES_PATCHED_DIR}/${file} COPYONLY)
endforeach()
file(GLOB VYN_GL4ES_PATCHES ${CMAKE_CURRENT_LIST_DIR}/../third_party/gl4es-patches/*.patch)
foreach(patch IN LISTS VYN_GL4ES_PATCHES)
  execute_process(COMMAND patch -p1 --forward --quiet -i ${patch}
    WORKING_DIRECTORY ${VYN_GL4ES_PATCHED_DIR} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gl4es: ${patch} does not apply to the vendored sources")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${patch})
endforeach()
file(GLOB_RECURSE VYN_GL4ES_SOURCES ${VYN_GL4ES_PATCHED_DIR}/src/gl/*.c)

add_library(vyngl4es STATIC ${VYN_GL4ES_SOURCES} ${VYN_GL4ES_PATCHED_DIR}/src/glx/hardext.c)
target_include_directories(vyngl4es PRIVATE ${VYN_GL4ES_PATCHED_DIR}/src/gl
                                             ${VYN_GL4ES_PATCHED_DIR}/src/glx
                                             ${VYN_GL4ES_DIR}/include)
# NO_INIT_CONSTRUCTOR: gl4es starts when the backend makes the first context current (with the
# context's entry points, and quiet: vynWebWindows.cpp), not before main.
# skip_glLineWidth: gl4es's pass-through glLineWidth (src/gl/wrap/gles.c) gives way to line.c's,
# which draws wide lines itself (040-wide-lines.patch).
target_compile_definitions(vyngl4es PRIVATE NOX11 NOEGL EGL_NO_X11 STATICLIB NO_GBM DEFAULT_ES=2
                                            NO_INIT_CONSTRUCTOR skip_glLineWidth)
# Third-party code: its warnings are its maintainers' business.
target_compile_options(vyngl4es PRIVATE -std=gnu11 -w -fvisibility=hidden)
# A Debug page is for a quick edit-build-look loop (bench/relink-web.sh): it leaves out gl4es's
# translator of ARB assembly programs, whose one huge function was most of each link's time
# (third_party/gl4es-patches/080-without-arb-programs.patch).
target_compile_definitions(vyngl4es PRIVATE $<$<CONFIG:Debug>:VYN_GL4ES_WITHOUT_ARB_PROGRAMS>)

set(VYN_GLU_DIR ${CMAKE_CURRENT_LIST_DIR}/../third_party/mesa-glu)
# All of GLU: the helpers (src/libutil), the tessellator (src/libtess, C) and NURBS (src/libnurbs,
# C++), as GLU's own build lists them.
file(GLOB VYN_GLU_SOURCES CONFIGURE_DEPENDS ${VYN_GLU_DIR}/src/libutil/*.c
     ${VYN_GLU_DIR}/src/libtess/*.c ${VYN_GLU_DIR}/src/libnurbs/*/*.cc)
# priorityq.c includes its heap's source itself.
list(REMOVE_ITEM VYN_GLU_SOURCES ${VYN_GLU_DIR}/src/libtess/priorityq-heap.c)
add_library(vynglu STATIC ${VYN_GLU_SOURCES})
# GLU's own <GL/glu.h> first, then gl4es's <GL/gl.h>: the GL it calls is gl4es.
target_include_directories(vynglu PRIVATE ${VYN_GLU_DIR}/include ${VYN_GLU_DIR}/src/include
                                          ${VYN_GLU_DIR}/src/libnurbs/internals
                                          ${VYN_GLU_DIR}/src/libnurbs/interface
                                          ${VYN_GLU_DIR}/src/libnurbs/nurbtess
                                          ${VYN_GL4ES_DIR}/include)
# gl4es's <GL/gl.h> asks for GL's renamed entry points, and GLU's header then renames GLU's own
# (gluPerspective is mgluPerspective); set for every file, so that each defines what the others
# and the framework call, whichever header it includes first. LIBRARYBUILD: as GLU's build sets.
target_compile_definitions(vynglu PRIVATE USE_MGL_NAMESPACE=1 LIBRARYBUILD)
target_compile_options(vynglu PRIVATE -w)
# gl4es and GLU are not what a Debug build debugs: optimised and without debug information, they
# make a smaller program, which links faster and draws at a Release page's speed.
foreach(library vyngl4es vynglu)
  target_compile_options(${library} PRIVATE $<$<CONFIG:Debug>:-O2> $<$<CONFIG:Debug>:-g0>)
endforeach()
# The NURBS code is C++ of the 1990s ("register" variables, gone in C++17).
set_target_properties(vynglu PROPERTIES CXX_STANDARD 14)
target_link_libraries(vynglu PUBLIC vyngl4es)

# What a program on the framework links with in the browser:
#   ASYNCIFY: the loop stays a blocking loop; SwapBuffers, WaitMessage and Sleep suspend it and
#     give the page back to the browser (the stack they suspend on needs more than the default);
#   FULL_ES2: gl4es draws from client-side arrays, which WebGL lacks;
#   -fexceptions: the framework reports failures by exceptions inside and catches them;
#   -O2 at the link, whatever the build type compiled with: binaryen's -O3 takes twice as long to
#     link each program (70 s against 31 s for minimal) for a page no faster (docs/performance.md);
#     a Debug build links at -O0, for a quick edit-build-look loop (bench/relink-web.sh);
#   ASYNCIFY_REMOVE: gl4es and GLU never reach a call that suspends (they call only WebGL), so
#     they are left as compiled: smaller, faster and quicker to link.
# The page's own options (its loader writes the program's files) come with the page:
# vyn_add_web_page (vynWebPage.cmake).
set(VYN_WEB_LINK_OPTIONS
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 "-sASYNCIFY_REMOVE=gl4es_*,fpe_*,mglu*"
  -sFULL_ES2=1 -sALLOW_MEMORY_GROWTH=1
  -sEXIT_RUNTIME=1 -sENVIRONMENT=web -fexceptions $<IF:$<CONFIG:Debug>,-O0,-O2> $<$<CONFIG:Debug>:-g2>)
