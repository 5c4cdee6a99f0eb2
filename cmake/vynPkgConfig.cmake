# Writes vyn.pc from vyn.pc.in at install time, when the prefix is known (`cmake --install
# --prefix` may choose it then). Relative library and include folders are found from where the
# file lies, so that an installed tree may be moved; a folder configured as an absolute path is
# written as it is, since it does not follow the prefix.
#
# In: VYN_PC_TEMPLATE, VYN_PC_OUTPUT, VYN_PC_LIBDIR, VYN_PC_INCLUDEDIR (as configured, relative to
# the prefix or absolute), VYN_PC_VERSION, VYN_PC_DL_LIBS (may be empty) and CMAKE_INSTALL_PREFIX.
# Runs inside the install script or as `cmake -D... -P vynPkgConfig.cmake`.

if(IS_ABSOLUTE "${VYN_PC_LIBDIR}")
  set(VYN_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
  set(VYN_PC_LIBDIR_LINE "${VYN_PC_LIBDIR}")
else()
  file(RELATIVE_PATH to_prefix "/prefix/${VYN_PC_LIBDIR}/pkgconfig" /prefix)
  string(REGEX REPLACE "/$" "" to_prefix "${to_prefix}")
  set(VYN_PC_PREFIX "\${pcfiledir}/${to_prefix}")
  set(VYN_PC_LIBDIR_LINE "\${prefix}/${VYN_PC_LIBDIR}")
endif()

if(IS_ABSOLUTE "${VYN_PC_INCLUDEDIR}")
  set(VYN_PC_INCLUDEDIR_LINE "${VYN_PC_INCLUDEDIR}")
else()
  set(VYN_PC_INCLUDEDIR_LINE "\${prefix}/${VYN_PC_INCLUDEDIR}")
endif()

# Where the platform has no separate dl library, a bare -l would take the next word as one.
set(VYN_PC_DL_FLAG "")
foreach(library IN LISTS VYN_PC_DL_LIBS)
  string(APPEND VYN_PC_DL_FLAG " -l${library}")
endforeach()

configure_file("${VYN_PC_TEMPLATE}" "${VYN_PC_OUTPUT}" @ONLY)
