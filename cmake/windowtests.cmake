# Tests of the windowed program. They need a display: `make check` gives
# them a virtual X server.
add_executable(zolbas_window_test tests/window/QtPlatformTest.cpp)
target_link_libraries(zolbas_window_test PRIVATE zolbas_qt GTest::gtest)
add_test(NAME zolbas_window_test COMMAND zolbas_window_test)

# A round played by a virtual pad, through SDL and the real windows.
add_executable(zolbas_pad_round_test tests/window/PadRoundTest.cpp tests/play/EventLog.cpp)
target_link_libraries(zolbas_pad_round_test PRIVATE zolbas_qt GTest::gtest)
add_test(NAME zolbas_pad_round_test COMMAND zolbas_pad_round_test)
# It shares the display and its keyboard with the other windowed tests.
set_tests_properties(zolbas_pad_round_test PROPERTIES RESOURCE_LOCK display TIMEOUT 300)

add_executable(zolbas_drawing_test tests/window/GameOverDrawingTest.cpp)
target_link_libraries(zolbas_drawing_test PRIVATE zolbas_qt GTest::gtest)
add_test(NAME zolbas_drawing_test COMMAND zolbas_drawing_test)

add_executable(zolbas_caption_pieces_test tests/window/CaptionPiecesTest.cpp)
target_link_libraries(zolbas_caption_pieces_test PRIVATE zolbas_qt GTest::gtest)
add_test(NAME zolbas_caption_pieces_test COMMAND zolbas_caption_pieces_test)

add_test(NAME window_play_screen_opens
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/window/play_screen_opens.sh $<TARGET_FILE:zolbas>)

# The command line is read before any window exists.
add_test(NAME cli_help_without_display COMMAND env -u DISPLAY -u WAYLAND_DISPLAY $<TARGET_FILE:zolbas> --help)
set_tests_properties(cli_help_without_display PROPERTIES PASS_REGULAR_EXPRESSION "--simulate SCRIPT")
add_test(NAME cli_version_without_display COMMAND env -u DISPLAY -u WAYLAND_DISPLAY $<TARGET_FILE:zolbas> --version)
set_tests_properties(cli_version_without_display PROPERTIES PASS_REGULAR_EXPRESSION "^zolbas [0-9]+\\.[0-9]+")

add_test(NAME window_whole_loop
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/window/whole_loop.sh $<TARGET_FILE:zolbas>)

add_test(NAME window_sharp_at_double_scale
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/window/sharp_at_double_scale.sh $<TARGET_FILE:zolbas>)

# The windowed tests share one display and its keyboard: one at a time. Each
# waits for what it checks with deadlines of its own; a loaded machine may
# need them all.
set(zolbas_window_timeout 300)
set_tests_properties(window_play_screen_opens window_whole_loop window_sharp_at_double_scale zolbas_window_test
                     PROPERTIES RESOURCE_LOCK display TIMEOUT ${zolbas_window_timeout})

add_test(NAME window_installed_game
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/window/installed_game.sh $<TARGET_FILE:zolbas>)
set_tests_properties(window_installed_game PROPERTIES RESOURCE_LOCK display TIMEOUT ${zolbas_window_timeout})

# Faults the game survives, each with real processes on the display.
foreach(name bad_settings two_copies no_sound_no_fonts full_screen)
  add_test(NAME window_${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/window/${name}.sh $<TARGET_FILE:zolbas>)
  set_tests_properties(window_${name} PROPERTIES RESOURCE_LOCK display TIMEOUT ${zolbas_window_timeout})
endforeach()
