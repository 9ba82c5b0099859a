# One static library per folder of src/, each listing its own sources.
# Files named *_posix.cpp or *_windows.cpp hold one system's side of a
# platform concern; a layer names them under POSIX and WINDOWS and only the
# side of the system being built for is compiled.

# ft817_layer(<target> SOURCES a.cpp ... [POSIX x_posix.cpp ...] [WINDOWS x_windows.cpp ...])
function(ft817_layer name)
  cmake_parse_arguments(arg "" "" "SOURCES;POSIX;WINDOWS" ${ARGN})
  set(sources ${arg_SOURCES})
  if(WIN32)
    list(APPEND sources ${arg_WINDOWS})
  else()
    list(APPEND sources ${arg_POSIX})
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
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
