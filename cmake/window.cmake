# The windowed front end: Qt widgets over the game, with the Qt platform
# backend, and the executable.
set(CMAKE_AUTOMOC OFF)
# libxcb, to read the X server's font resolution before Qt connects.
pkg_check_modules(ZOLBAS_XCB REQUIRED IMPORTED_TARGET xcb)

add_library(zolbas_qt STATIC
  platform/qt/QtMessageBoxes.cpp
  platform/qt/QtSettingsStore.cpp
  platform/qt/DeviceFileWake.cpp
  platform/qt/QtTimerService.cpp
  platform/qt/Waker.cpp
  platform/sdl/SdlPads.cpp
  window/DisplayKeys.cpp
  window/Fonts.cpp
  window/ExplosionCanvas.cpp
  window/FormWindow.cpp
  window/HelpWindow.cpp
  window/KeyCodes.cpp
  window/CaptionPieces.cpp
  window/LabelView.cpp
  window/PadReader.cpp
  window/PlayWindow.cpp
  window/QtGame.cpp
  window/QtWindows.cpp
  window/Sprites.cpp
  window/StartupMessages.cpp
  window/TitleWindow.cpp
  window/UploadChoice.cpp
  window/WindowedProgram.cpp
)
target_link_libraries(zolbas_qt PUBLIC zolbas_game zolbas_pictures zolbas_help zolbas_sound Qt6::Widgets
  PkgConfig::ZOLBAS_XCB PkgConfig::ZOLBAS_SDL2_MIXER)

add_executable(zolbas app/main.cpp platform/posix/ProcessStart.cpp)
target_compile_definitions(zolbas PRIVATE ZOLBAS_VERSION="${PROJECT_VERSION}")
target_link_libraries(zolbas PRIVATE zolbas_qt zolbas_app)
if(TARGET zolbas_sounds)
  add_dependencies(zolbas zolbas_sounds)
endif()
