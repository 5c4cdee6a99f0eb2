# vyn_add_web_page: the web page of a program on the framework (emcmake builds only).
#
#   vyn_add_web_page(TARGET target [FILES file...] [FOLDER folder] [ARGUMENTS argument...]
#                    [TITLE text] [HELP text] [CSS_PIXELS] [FILL_PAGE])
#
# Writes TARGET.html beside the program's .js and .wasm, copies FILES (relative to the current
# source folder) to data/TARGET/ there, and gives the program the link options the page's loader
# needs. The page fetches the files into the program's file system before it starts, at their
# names in FOLDER (the working folder without one), and passes ARGUMENTS, unless the address
# names its own (?arg=...). TITLE is the page's title until the program sets its caption (the
# target's name without one); HELP is a line of HTML under the canvas. CSS_PIXELS keeps the
# canvas's drawing buffer at its CSS size on a high-density screen (by default it is the CSS size
# times devicePixelRatio, and the window's client size and mouse positions count those pixels).
# FILL_PAGE makes the window fill the page's width and height below the canvas's top, following
# the browser window's size with WM_SIZE (a popup, full screen or not, keeps its own size).
# A CMake list as a JSON array of strings.
function(vyn_json_strings out)
  set(entries)
  foreach(item IN LISTS ARGN)
    string(REPLACE "\\" "\\\\" item "${item}")
    string(REPLACE "\"" "\\\"" item "${item}")
    list(APPEND entries "\"${item}\"")
  endforeach()
  list(JOIN entries ", " joined)
  set(${out} "[${joined}]" PARENT_SCOPE)
endfunction()

function(vyn_add_web_page)
  cmake_parse_arguments(PARSE_ARGV 0 PAGE "CSS_PIXELS;FILL_PAGE" "TARGET;FOLDER;TITLE;HELP"
                        "FILES;ARGUMENTS")
  if(NOT TARGET "${PAGE_TARGET}")
    message(FATAL_ERROR "vyn_add_web_page: TARGET '${PAGE_TARGET}' is not a target")
  endif()
  if(PAGE_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vyn_add_web_page: unknown arguments ${PAGE_UNPARSED_ARGUMENTS}")
  endif()
  set(target ${PAGE_TARGET})
  set(prefix "")
  if(PAGE_FOLDER)
    set(prefix "${PAGE_FOLDER}/")
  endif()
  set(sources)
  set(pairs)
  foreach(file IN LISTS PAGE_FILES)
    get_filename_component(source "${file}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    get_filename_component(name "${file}" NAME)
    list(APPEND sources "${source}")
    vyn_json_strings(pair "data/${target}/${name}" "${prefix}${name}")
    list(APPEND pairs "${pair}")
  endforeach()
  list(JOIN pairs ", " joined)
  set(VYN_PAGE_FILES "[${joined}]")
  vyn_json_strings(VYN_PAGE_ARGUMENTS ${PAGE_ARGUMENTS})
  set(VYN_PAGE_PROGRAM ${target})
  set(VYN_PAGE_TITLE ${target})
  if(DEFINED PAGE_TITLE)
    set(VYN_PAGE_TITLE "${PAGE_TITLE}")
  endif()
  set(VYN_PAGE_HELP "${PAGE_HELP}")
  set(VYN_PAGE_CSS_PIXELS false)
  if(PAGE_CSS_PIXELS)
    set(VYN_PAGE_CSS_PIXELS true)
  endif()
  set(VYN_PAGE_FILL false)
  if(PAGE_FILL_PAGE)
    set(VYN_PAGE_FILL true)
  endif()

  # configure_file fills the page; file(GENERATE) puts it where the program is linked to.
  set(filled ${CMAKE_CURRENT_BINARY_DIR}/${target}-page/${target}.html)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/vynWebPage.html.in ${filled} @ONLY)
  file(GENERATE OUTPUT $<TARGET_FILE_DIR:${target}>/${target}.html INPUT ${filled})
  if(sources)
    add_custom_target(${target}-page-files
      COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/data/${target}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${sources}
              $<TARGET_FILE_DIR:${target}>/data/${target}/
      VERBATIM)
    add_dependencies(${target} ${target}-page-files)
  endif()
  # What the page's loader calls: the file system and the run dependency it holds the start with.
  target_link_options(${target} PRIVATE -sFORCE_FILESYSTEM=1
    "-sEXPORTED_RUNTIME_METHODS=[FS,addRunDependency,removeRunDependency]")
endfunction()
