# The Qt-free core every front end builds on: the game library and the
# simulated platform with the script driver of `zolbas --simulate`.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH ZOLBAS_ROOT)

# The game itself: rules, screens, score store and the platform interfaces.
# No Qt here.
add_library(zolbas_game STATIC
  ${ZOLBAS_ROOT}/platform/BoxBookkeeping.cpp
  ${ZOLBAS_ROOT}/platform/PrintableText.cpp
  ${ZOLBAS_ROOT}/platform/ScheduledTimers.cpp
  ${ZOLBAS_ROOT}/play/Banner.cpp
  ${ZOLBAS_ROOT}/play/Captions.cpp
  ${ZOLBAS_ROOT}/play/ExplosionShow.cpp
  ${ZOLBAS_ROOT}/play/GameOver.cpp
  ${ZOLBAS_ROOT}/play/GameStart.cpp
  ${ZOLBAS_ROOT}/play/Key.cpp
  ${ZOLBAS_ROOT}/play/MeteorMotion.cpp
  ${ZOLBAS_ROOT}/play/PlayControls.cpp
  ${ZOLBAS_ROOT}/play/PlayScene.cpp
  ${ZOLBAS_ROOT}/play/PlayScreen.cpp
  ${ZOLBAS_ROOT}/play/PlayTick.cpp
  ${ZOLBAS_ROOT}/play/Scoring.cpp
  ${ZOLBAS_ROOT}/play/SoundCues.cpp
  ${ZOLBAS_ROOT}/play/Walkers.cpp
  ${ZOLBAS_ROOT}/runtime/DecimalRounding.cpp
  ${ZOLBAS_ROOT}/runtime/MediaPlayer.cpp
  ${ZOLBAS_ROOT}/runtime/NumberText.cpp
  ${ZOLBAS_ROOT}/runtime/Rounding.cpp
  ${ZOLBAS_ROOT}/shell/DisplayMode.cpp
  ${ZOLBAS_ROOT}/shell/DisplayPreferences.cpp
  ${ZOLBAS_ROOT}/shell/FrontEnd.cpp
  ${ZOLBAS_ROOT}/platform/HandlerGuard.cpp
  ${ZOLBAS_ROOT}/shell/HelpScreen.cpp
  ${ZOLBAS_ROOT}/shell/KeyFilter.cpp
  ${ZOLBAS_ROOT}/shell/PadControls.cpp
  ${ZOLBAS_ROOT}/shell/Program.cpp
  ${ZOLBAS_ROOT}/shell/ScreenScale.cpp
  ${ZOLBAS_ROOT}/shell/TitleScreen.cpp
  ${ZOLBAS_ROOT}/store/ScoreStore.cpp
  ${ZOLBAS_ROOT}/trace/BoxEvents.cpp
  ${ZOLBAS_ROOT}/trace/FloatText.cpp
  ${ZOLBAS_ROOT}/trace/JsonLine.cpp
  ${ZOLBAS_ROOT}/trace/PlayTrace.cpp
  ${ZOLBAS_ROOT}/trace/SoundEvents.cpp
  ${ZOLBAS_ROOT}/trace/Trace.cpp
)
target_include_directories(zolbas_game PUBLIC ${ZOLBAS_ROOT})
# Where the executable lies is the one thing the core asks of the system.
if(WIN32)
  target_sources(zolbas_game PRIVATE ${ZOLBAS_ROOT}/platform/win32/ExecutableFolder.cpp)
else()
  target_sources(zolbas_game PRIVATE ${ZOLBAS_ROOT}/platform/posix/ExecutableFolder.cpp)
endif()

include(${ZOLBAS_ROOT}/cmake/pictures.cmake)

# The simulated platform and the script driver of `zolbas --simulate`.
add_library(zolbas_sim STATIC
  ${ZOLBAS_ROOT}/platform/sim/RealTimePacer.cpp
  ${ZOLBAS_ROOT}/platform/sim/SimMessageBoxes.cpp
  ${ZOLBAS_ROOT}/platform/sim/SimTimerService.cpp
  ${ZOLBAS_ROOT}/simulate/Script.cpp
  ${ZOLBAS_ROOT}/simulate/ScriptRecorder.cpp
  ${ZOLBAS_ROOT}/simulate/Simulation.cpp
)
target_link_libraries(zolbas_sim PUBLIC zolbas_game)

# The command line every build of the program reads, and `--simulate`.
add_library(zolbas_app STATIC
  ${ZOLBAS_ROOT}/app/CommandLine.cpp
  ${ZOLBAS_ROOT}/app/Run.cpp
)
target_link_libraries(zolbas_app PUBLIC zolbas_sim)
