# The Windows build's own tests, and what every test here needs: the
# project's Wine prefix, made once by the first test.
add_test(NAME wine_prefix COMMAND bash ${CMAKE_SOURCE_DIR}/tools/wine-prefix.sh ${ZOLBAS_WINEPREFIX})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)

# Only DLLs that come with Windows: no C++ runtime, libgcc or winpthread.
add_test(NAME windows_imports_system_dlls_only
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win32/system_dlls_only.sh $<TARGET_FILE:zolbas>)
add_test(NAME windows_dist_zip COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win32/dist_zip.sh ${ZOLBAS_DIST_ZIP})
add_test(NAME windows_resources
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win32/resources.sh $<TARGET_FILE:zolbas> ${PROJECT_VERSION})

# The Win32 backends, each against the real system calls (Wine's). The
# sound runs with Wine's sound drivers switched off: no device.
add_executable(zolbas_win32_platform_test
  tests/win32/MciSoundDeviceTest.cpp
  tests/win32/RegistrySettingsTest.cpp
  tests/win32/TimerServiceTest.cpp
  tests/win32/XInputPadsTest.cpp
)
target_link_libraries(zolbas_win32_platform_test PRIVATE zolbas_win32_platform GTest::gtest_main)
target_compile_definitions(zolbas_win32_platform_test PRIVATE ZOLBAS_SOUND_FOLDER="${CMAKE_BINARY_DIR}")
add_dependencies(zolbas_win32_platform_test zolbas_sounds)
add_test(NAME zolbas_win32_platform_test COMMAND zolbas_win32_platform_test)

add_test(NAME windows_simulate_anywhere
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win32/simulate_anywhere.sh ${ZOLBAS_GAME_COMMAND}
                 ${CMAKE_SOURCE_DIR}/tests/golden)

# A round in the windows, played with keys under Wine's X11 driver.
add_test(NAME windows_windowed_round
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win32/windowed_round.sh ${ZOLBAS_GAME_COMMAND})

# A round played by a scripted pad through the game's real windows.
add_executable(zolbas_win32_pad_round_test tests/win32/PadRoundTest.cpp tests/play/EventLog.cpp)
target_link_libraries(zolbas_win32_pad_round_test PRIVATE zolbas_win32 GTest::gtest_main)
add_test(NAME zolbas_win32_pad_round_test COMMAND zolbas_win32_pad_round_test)

# Full screen and the window's factor, on an X server of its own: alone,
# as the prefix's Wine server holds on to the display it first met.
add_test(NAME windows_full_screen
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win32/full_screen.sh ${ZOLBAS_GAME_COMMAND})
set_tests_properties(windows_full_screen PROPERTIES RUN_SERIAL TRUE)
# They write the game's registry keys in the one prefix: one at a time.
set_tests_properties(windows_windowed_round windows_full_screen zolbas_win32_pad_round_test
                     PROPERTIES RESOURCE_LOCK "display;registry" TIMEOUT 300)
set_tests_properties(zolbas_win32_platform_test PROPERTIES RESOURCE_LOCK registry)

get_property(zolbas_wine_tests DIRECTORY PROPERTY TESTS)
list(REMOVE_ITEM zolbas_wine_tests wine_prefix windows_imports_system_dlls_only windows_resources windows_dist_zip)
set_tests_properties(${zolbas_wine_tests} PROPERTIES FIXTURES_REQUIRED wine)
get_property(zolbas_all_tests DIRECTORY PROPERTY TESTS)
set_tests_properties(${zolbas_all_tests} PROPERTIES ENVIRONMENT "WINEPREFIX=${ZOLBAS_WINEPREFIX}")
set_tests_properties(zolbas_win32_platform_test zolbas_win32_pad_round_test PROPERTIES ENVIRONMENT
  "WINEPREFIX=${ZOLBAS_WINEPREFIX};WINEDLLOVERRIDES=winealsa.drv,winepulse.drv,wineoss.drv=d")
