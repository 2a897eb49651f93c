# The build's helpers: one function per kind of library and one per kind of
# test folder, so that every subsystem is built the same way.
#
# Headers are included by their path from the top of the source tree
# ("engine/date.h"). Each library only sees its own folder and the folders of
# the libraries it links: its include root is a folder in the build tree that
# holds a link to its own source folder alone, so an include in the wrong
# direction fails to compile instead of creating a hidden dependency.

# Makes ${CMAKE_BINARY_DIR}/include/<name>/<folder> a link to the source
# folder and sets the variable `out` to the include root.
function(orvenda_include_root name folder out)
  set(_root ${CMAKE_BINARY_DIR}/include/${name})
  get_filename_component(_parent ${_root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${_parent})
  if(NOT IS_SYMLINK ${_root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${_root}/${folder} SYMBOLIC)
  endif()
  set(${out} ${_root} PARENT_SCOPE)
endfunction()

# The folder of the calling CMakeLists relative to the top of the tree.
function(_orvenda_folder out)
  file(RELATIVE_PATH _folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(${out} ${_folder} PARENT_SCOPE)
endfunction()

# A subsystem's plain C++ library:
#   orvenda_logic_library(<name> [SOURCES a.cpp ...] [LINKS lib ...])
# Without sources it is a library of headers only.
function(orvenda_logic_library name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LINKS")
  _orvenda_folder(_folder)
  orvenda_include_root(${name} ${_folder} _root)
  if(ARG_SOURCES)
    list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${_root})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${_root})
    target_link_libraries(${name} INTERFACE ${ARG_LINKS})
  endif()
endfunction()

# The windows of a subsystem, in its ui/ folder; the only kind of library
# that links Qt Widgets:
#   orvenda_ui_library(<name> SOURCES a.cpp ... LINKS lib ...)
function(orvenda_ui_library name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LINKS")
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "orvenda_ui_library(${name}): no SOURCES")
  endif()
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  _orvenda_folder(_folder)
  orvenda_include_root(${name} ${_folder} _root)
  list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PUBLIC ${_root})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} Qt6::Widgets)
endfunction()
