# The core's tests alone, without Qt, as scripts/check-windows builds them for
# Windows: image, editing, exchange, clone (all but the end-to-end transfers, standard and fast,
# which need the simulated radio on a pseudo-terminal) and the platform's file
# access, the text module and number reading. Each program is one test; a cross build runs it
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

ft817_core_tests(image_core_tests image/block_store_test.cpp image/channel_record_test.cpp image/channel_rows_test.cpp
                 image/image_check_test.cpp image/image_file_test.cpp image/memory_map_test.cpp
                 image/image_history_test.cpp image/payload_file_test.cpp image/radio_model_test.cpp image/radio_settings_test.cpp
                 image/special_memories_test.cpp image/tone_tables_test.cpp)
# Every change to a channel or special memory, and the channel list's Fill.
ft817_core_tests(editing_core_tests editing/channel_fill_test.cpp editing/memory_edit_test.cpp)
# The memory report's tests also drive the `show` subcommand, which lives with Qt.
ft817_core_tests(exchange_core_tests exchange/calibration_text_test.cpp exchange/channel_clipboard_test.cpp exchange/csv_exchange_test.cpp
                 exchange/csv_file_test.cpp exchange/image_diff_test.cpp exchange/settings_text_test.cpp)
# The end-to-end transfers, standard and fast, need the simulated radio on a pseudo-terminal.
ft817_core_tests(clone_core_tests clone/download_test.cpp clone/fast_transfer_test.cpp clone/upload_test.cpp)
ft817_core_tests(platform_core_tests platform/file_access_test.cpp)
ft817_core_tests(text_core_tests text/megahertz_test.cpp text/number_reading_test.cpp text/text_format_test.cpp)
# The CAT commands, the guard and the calibration backup against a scripted radio.
ft817_core_tests(cat_protocol_core_tests cat_protocol/calibration_backup_test.cpp cat_protocol/cat_allowlist_test.cpp
                 cat_protocol/cat_frames_test.cpp cat_protocol/channel_tuning_test.cpp)
target_link_libraries(cat_protocol_core_tests PRIVATE ft817_cat_protocol)
