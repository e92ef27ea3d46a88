# The Win32 front end with the Win32 platform backends, the executable with
# its resources, and the folder and zip file that players download.
add_library(zolbas_win32_platform STATIC
  platform/win32/Mailbox.cpp
  platform/win32/MciSoundDevice.cpp
  platform/win32/MessageWindow.cpp
  platform/win32/ProcessStart.cpp
  platform/win32/RegistrySettingsStore.cpp
  platform/win32/WideText.cpp
  platform/win32/Win32MessageBoxes.cpp
  platform/win32/Win32TimerService.cpp
  platform/win32/XInputPads.cpp
)
target_link_libraries(zolbas_win32_platform PUBLIC zolbas_game winmm user32 advapi32 shell32)

add_library(zolbas_win32 STATIC
  win32/Buttons.cpp
  win32/DisplayKeys.cpp
  win32/ExplosionCanvas.cpp
  win32/Fonts.cpp
  win32/FormWindow.cpp
  win32/HelpWindow.cpp
  win32/KeyCodes.cpp
  win32/LabelView.cpp
  win32/Monitors.cpp
  win32/PadReader.cpp
  win32/PlayWindow.cpp
  win32/Sprites.cpp
  win32/TitleWindow.cpp
  win32/Win32Game.cpp
  win32/Win32Windows.cpp
  win32/WindowedProgram.cpp
  win32/WindowFrame.cpp
)
target_link_libraries(zolbas_win32 PUBLIC zolbas_win32_platform zolbas_pictures zolbas_help comctl32 gdi32 msimg32)

configure_file(win32/zolbas.rc.in ${CMAKE_BINARY_DIR}/zolbas.rc @ONLY)
add_executable(zolbas WIN32 app/main.cpp ${CMAKE_BINARY_DIR}/zolbas.rc)
target_compile_definitions(zolbas PRIVATE ZOLBAS_VERSION="${PROJECT_VERSION}")
target_include_directories(zolbas PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(zolbas PRIVATE zolbas_win32 zolbas_app)
# A GUI program whose entry point is still main(); a release carries no symbols.
target_link_options(zolbas PRIVATE -Wl,-e,mainCRTStartup $<$<CONFIG:Release>:-s>)
set_source_files_properties(${CMAKE_BINARY_DIR}/zolbas.rc PROPERTIES
  OBJECT_DEPENDS "${ZOLBAS_WINDOWS_ICON};${CMAKE_SOURCE_DIR}/win32/zolbas.manifest")
add_dependencies(zolbas zolbas_sounds zolbas_host_tools)

# dist: a folder with the program, its sound files and a README, zipped.
set(ZOLBAS_DIST_NAME zolbas-windows-x86_64)
set(ZOLBAS_DIST_STAGE ${CMAKE_BINARY_DIR}/dist)
set(ZOLBAS_DIST_ZIP ${CMAKE_BINARY_DIR}/${ZOLBAS_DIST_NAME}.zip)
add_custom_command(
  OUTPUT ${ZOLBAS_DIST_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZOLBAS_DIST_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZOLBAS_DIST_STAGE}/${ZOLBAS_DIST_NAME}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zolbas> ${ZOLBAS_SOUND_FILES}
          ${CMAKE_SOURCE_DIR}/dist/windows/README.txt ${ZOLBAS_DIST_STAGE}/${ZOLBAS_DIST_NAME}
  COMMAND ${CMAKE_COMMAND} -E chdir ${ZOLBAS_DIST_STAGE}
          ${CMAKE_COMMAND} -E tar cf ${ZOLBAS_DIST_ZIP} --format=zip ${ZOLBAS_DIST_NAME}
  DEPENDS zolbas ${ZOLBAS_SOUND_FILES} ${CMAKE_SOURCE_DIR}/dist/windows/README.txt
  COMMENT "Packing ${ZOLBAS_DIST_NAME}.zip"
  VERBATIM)
add_custom_target(zolbas_windows_zip ALL DEPENDS ${ZOLBAS_DIST_ZIP})

# The pacing of the Win32 timers with the game's rules, run by hand through
# Wine (see BENCHMARKS.md).
add_executable(zolbas_win32_pacing_bench bench/win32/TickPacing.cpp)
target_link_libraries(zolbas_win32_pacing_bench PRIVATE zolbas_win32_platform zolbas_sim)
