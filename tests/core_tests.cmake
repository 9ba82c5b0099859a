# The core's tests alone, without Qt, as scripts/check-windows builds them for
# Windows: image, clone (all but the end-to-end transfers, standard and fast,
# which need the simulated radio on a pseudo-terminal) and the platform's file
# access and text module. Each program is one test; a cross build runs it
# through CMAKE_CROSSCOMPILING_EMULATOR.

# Some image tests compare against the simulated radio's built-in memory, a plain table.
add_library(test_default_memory STATIC ${PROJECT_SOURCE_DIR}/src/sim/default_memory.cpp)
target_include_directories(test_default_memory PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(test_default_memory PUBLIC ft817_image)

function(ft817_core_tests target)
  add_executable(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE test_support_core test_default_memory GTest::gtest_main)
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES TIMEOUT 300)
endfunction()

file(GLOB image_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/image/*_test.cpp)
# The memory report's tests also drive the `show` subcommand, which lives with Qt.
list(FILTER image_test_sources EXCLUDE REGEX "/memory_report_test\\.cpp$")
ft817_core_tests(image_core_tests ${image_test_sources})

file(GLOB clone_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/clone/*_test.cpp)
list(FILTER clone_test_sources EXCLUDE REGEX "/(fast_)?transfer_end_to_end_test\\.cpp$")
ft817_core_tests(clone_core_tests ${clone_test_sources})

ft817_core_tests(platform_core_tests ${CMAKE_CURRENT_SOURCE_DIR}/platform/file_access_test.cpp
                 ${CMAKE_CURRENT_SOURCE_DIR}/platform/text_format_test.cpp)
