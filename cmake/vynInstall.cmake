# `cmake --install`: the libraries, the public headers, a CMake package and a pkg-config file
# (none for the browser build).
#   find_package(vyn CONFIG REQUIRED)
#   target_link_libraries(demo PRIVATE vyn::framework)       # or vyn::testing for tests
# The package finds what the libraries need (SDL2, threads) by itself.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# In the browser build the framework carries its GL and GLU, gl4es and SGI's GLU, with it.
set(VYN_INSTALLED_TARGETS vynframework vyntesting)
if(EMSCRIPTEN)
  list(APPEND VYN_INSTALLED_TARGETS vyngl4es vynglu)
endif()
install(TARGETS ${VYN_INSTALLED_TARGETS} EXPORT vynTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Every header of the framework but the backends' and the fake's private ones, under include/vyn
# with their folders, where their relative names of each other hold as in the source tree; the
# umbrella headers beside them.
install(DIRECTORY framework/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vyn/framework
  FILES_MATCHING PATTERN "*.h"
  PATTERN "platform/sdl" EXCLUDE
  PATTERN "platform/win32" EXCLUDE
  PATTERN "platform/web" EXCLUDE
  PATTERN "system/win32" EXCLUDE
  PATTERN "vynFakeCommon.h" EXCLUDE)
install(DIRECTORY include/vyn/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vyn)

set(VYN_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/vyn)
install(EXPORT vynTargets NAMESPACE vyn:: DESTINATION ${VYN_PACKAGE_DIR})
configure_package_config_file(cmake/vynConfig.cmake.in ${PROJECT_BINARY_DIR}/vynConfig.cmake
  INSTALL_DESTINATION ${VYN_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vynConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vynConfig.cmake ${PROJECT_BINARY_DIR}/vynConfigVersion.cmake
  DESTINATION ${VYN_PACKAGE_DIR})
# The browser build's package also makes pages: vyn_add_web_page and its page.
if(EMSCRIPTEN)
  install(FILES cmake/vynWebPage.cmake cmake/vynWebPage.html.in DESTINATION ${VYN_PACKAGE_DIR})
endif()

# pkg-config describes a desktop link (SDL2, threads); a page is linked through the CMake package
# alone, so the browser build writes none.
if(NOT WIN32 AND NOT EMSCRIPTEN)
  install(CODE "
    set(VYN_PC_TEMPLATE [[${PROJECT_SOURCE_DIR}/cmake/vyn.pc.in]])
    set(VYN_PC_OUTPUT [[${PROJECT_BINARY_DIR}/vyn.pc]])
    set(VYN_PC_LIBDIR [[${CMAKE_INSTALL_LIBDIR}]])
    set(VYN_PC_INCLUDEDIR [[${CMAKE_INSTALL_INCLUDEDIR}]])
    set(VYN_PC_VERSION [[${PROJECT_VERSION}]])
    set(VYN_PC_DL_LIBS [[${CMAKE_DL_LIBS}]])
    include([[${PROJECT_SOURCE_DIR}/cmake/vynPkgConfig.cmake]])")
  install(FILES ${PROJECT_BINARY_DIR}/vyn.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()
