# The Qt-free core: platform (result type, clock, files, terminal, serial port
# interface), image and clone. Files named *_posix.cpp or *_windows.cpp hold one
# system's side of a platform concern; only the side of the system being built
# for is compiled.

# Drops from the list in <var> the files written for the other system.
function(ft817_keep_this_system var)
  set(files ${${var}})
  if(WIN32)
    list(FILTER files EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER files EXCLUDE REGEX "_windows\\.cpp$")
  endif()
  set(${var} ${files} PARENT_SCOPE)
endfunction()

# One library per layer; files are picked up from their folders.
function(ft817_layer name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
  ft817_keep_this_system(sources)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# platform/ : the plain C++ part (everything but the qt_* files)
file(GLOB platform_core_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/*.cpp)
list(FILTER platform_core_sources EXCLUDE REGEX "/qt_[^/]*$")
ft817_keep_this_system(platform_core_sources)
add_library(ft817_platform STATIC ${platform_core_sources})
target_include_directories(ft817_platform PUBLIC ${PROJECT_SOURCE_DIR}/src)

ft817_layer(ft817_image image)
target_link_libraries(ft817_image PUBLIC ft817_platform)

ft817_layer(ft817_clone clone)
target_link_libraries(ft817_clone PUBLIC ft817_image ft817_platform)
