# One static library per folder of src/, each listing its own sources.
# Files named *_posix.cpp or *_windows.cpp hold one system's side of a
# platform concern; a layer names them under POSIX and WINDOWS and only the
# side of the system being built for is compiled.
#
# Each library sees only the layers it may use: its include root (in the
# build folder, layer_includes/<layer>/) holds a forwarding header for every
# header of its own folder and of the folders below it, and nothing else, so
# `#include "clone/download.h"` in image/ does not compile. A library that
# links a library of a layer above it is refused when CMake configures.

# The layers and what each may use directly (what they use in turn comes
# with them). A new layer is one line here, in order: a layer uses only
# layers listed before it.
set(ft817_layer_order platform text image editing exchange clone cat_protocol sim gui sheet editor cat cli app)
set(ft817_uses_text platform)
set(ft817_uses_platform)
set(ft817_uses_image text platform)
set(ft817_uses_editing image)
set(ft817_uses_exchange image editing)
set(ft817_uses_clone image)
set(ft817_uses_cat_protocol image editing)
set(ft817_uses_sim cat_protocol)
set(ft817_uses_gui platform)
set(ft817_uses_sheet exchange)
set(ft817_uses_editor gui sheet clone exchange cat_protocol)
set(ft817_uses_cat gui cat_protocol)
set(ft817_uses_cli sim sheet clone exchange cat_protocol)
set(ft817_uses_app editor cat cli)

# ft817_visible_layers(<layer> <out>): the layer itself and every layer it may use.
function(ft817_visible_layers layer out)
  if(NOT layer IN_LIST ft817_layer_order)
    message(FATAL_ERROR "src/${layer}/ is no layer: add it to ft817_layer_order and give it an ft817_uses_${layer} "
                        "line in cmake/layers.cmake")
  endif()
  set(visible ${layer})
  list(FIND ft817_layer_order ${layer} position)
  foreach(used IN LISTS ft817_uses_${layer})
    list(FIND ft817_layer_order ${used} used_position)
    if(used_position LESS 0 OR used_position GREATER_EQUAL position)
      message(FATAL_ERROR "src/${layer}/ may use only layers listed before it in ft817_layer_order, not ${used}")
    endif()
    ft817_visible_layers(${used} below)
    list(APPEND visible ${below})
  endforeach()
  list(REMOVE_DUPLICATES visible)
  set(${out} ${visible} PARENT_SCOPE)
endfunction()

# The include root of a layer: layer_includes/<layer>/<visible layer>/<header>.h,
# each a one-line forwarder to the header in src/. Rewritten only when a
# header comes or goes, so nothing rebuilds for nothing.
function(ft817_layer_include_root layer out)
  set(root ${PROJECT_BINARY_DIR}/layer_includes/${layer})
  get_property(made GLOBAL PROPERTY ft817_include_root_${layer})
  if(NOT made)
    ft817_visible_layers(${layer} visible)
    set(forwarders)
    foreach(seen IN LISTS visible)
      file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${seen}/*.h)
      foreach(header IN LISTS headers)
        get_filename_component(header_name ${header} NAME)
        set(forwarder ${root}/${seen}/${header_name})
        file(CONFIGURE OUTPUT ${forwarder} CONTENT "#include \"${header}\"\n")
        list(APPEND forwarders ${forwarder})
      endforeach()
    endforeach()
    file(GLOB_RECURSE existing ${root}/*)
    foreach(old IN LISTS existing)
      if(NOT old IN_LIST forwarders)
        file(REMOVE ${old})
      endif()
    endforeach()
    set_property(GLOBAL PROPERTY ft817_include_root_${layer} TRUE)
  endif()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# ft817_layer(<target> SOURCES a.cpp ... [POSIX x_posix.cpp ...] [WINDOWS x_windows.cpp ...])
# The layer is the folder the calling CMakeLists.txt is in.
function(ft817_layer name)
  cmake_parse_arguments(arg "" "" "SOURCES;POSIX;WINDOWS" ${ARGN})
  set(sources ${arg_SOURCES})
  if(WIN32)
    list(APPEND sources ${arg_WINDOWS})
  else()
    list(APPEND sources ${arg_POSIX})
  endif()
  get_filename_component(layer ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  ft817_layer_include_root(${layer} root)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${root})
  set_target_properties(${name} PROPERTIES FT817_LAYER ${layer})
  set_property(GLOBAL APPEND PROPERTY ft817_layer_targets ${name})
endfunction()

# Refuses a layer's library that links the library of a layer it may not use.
# Called once every layer is defined.
function(ft817_check_layer_links)
  get_property(targets GLOBAL PROPERTY ft817_layer_targets)
  foreach(target IN LISTS targets)
    get_target_property(layer ${target} FT817_LAYER)
    ft817_visible_layers(${layer} visible)
    get_target_property(linked ${target} LINK_LIBRARIES)
    foreach(library IN LISTS linked)
      if(TARGET ${library})
        get_target_property(library_layer ${library} FT817_LAYER)
        if(library_layer AND NOT library_layer IN_LIST visible)
          message(FATAL_ERROR "${target} (src/${layer}/) links ${library} of src/${library_layer}/, "
                              "a layer it may not use (cmake/layers.cmake)")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()

# GCC 12 reports false -Wrestrict overlaps inside std::string when optimising
# (" " + std::to_string(n), "\"" + text + "\""); the code is correct, so the
# check is switched off for the files where it fires, and only there.
function(ft817_without_false_restrict_warnings)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS -Wno-restrict)
  endif()
endfunction()

# The simulated radio needs Linux's pseudo-terminals and inotify.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(FT817_SIMULATED_RADIO ON)
else()
  set(FT817_SIMULATED_RADIO OFF)
endif()
