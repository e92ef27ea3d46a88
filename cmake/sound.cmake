# The game's sound: the SDL2_mixer + FluidSynth device, the tool that writes
# the tune and the cues beside the executable, their tests and benchmark.

pkg_check_modules(ZOLBAS_SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
pkg_check_modules(ZOLBAS_FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)
find_package(Threads REQUIRED)

add_library(zolbas_sound STATIC
  platform/sdl/AlsaErrorSilencer.cpp
  platform/sdl/CueChannel.cpp
  platform/sdl/GmSynth.cpp
  platform/sdl/MidiFileReader.cpp
  platform/sdl/MidiTrackReader.cpp
  platform/sdl/MixerSession.cpp
  platform/sdl/SdlSoundDevice.cpp
  platform/sdl/TuneFileCache.cpp
  platform/sdl/TunePlayer.cpp
  platform/sdl/TuneSequencer.cpp
)
target_include_directories(zolbas_sound PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(zolbas_sound PUBLIC
  PkgConfig::ZOLBAS_SDL2_MIXER PkgConfig::ZOLBAS_FLUIDSYNTH Threads::Threads ${CMAKE_DL_LIBS})

include(${CMAKE_CURRENT_LIST_DIR}/soundfiles.cmake)

add_executable(zolbas_sound_bench bench/sound_bench.cpp)
target_link_libraries(zolbas_sound_bench PRIVATE zolbas_sound zolbas_sound_writers)
add_dependencies(zolbas_sound_bench zolbas_sounds)

if(ZOLBAS_TESTS)
  if(NOT TARGET GTest::gtest_main)
    find_package(GTest REQUIRED)
  endif()
  enable_testing()

  # Device tests run on SDL's disk driver, which writes the mix to a file
  # in real time; each test sets the file it wants before the device opens.
  add_executable(zolbas_sound_device_tests
    tests/SoundCueTest.cpp
    tests/SoundTuneTest.cpp
    tests/SoundBrokenFilesTest.cpp
    tests/SoundNoDeviceTest.cpp
    tests/SoundStartUpTest.cpp
  )
  target_link_libraries(zolbas_sound_device_tests PRIVATE zolbas_sound zolbas_sound_writers GTest::gtest_main)
  add_test(NAME zolbas_sound_device_tests COMMAND zolbas_sound_device_tests)
  set_tests_properties(zolbas_sound_device_tests PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=disk" TIMEOUT 120)

  add_executable(zolbas_sound_file_tests
    tests/SoundMidiTest.cpp
    tests/SoundFilesTest.cpp
    tests/SoundPhraseTest.cpp
    tests/SoundTuneFileCacheTest.cpp
  )
  target_link_libraries(zolbas_sound_file_tests PRIVATE zolbas_sound zolbas_sound_writers GTest::gtest_main)
  target_compile_definitions(zolbas_sound_file_tests PRIVATE ZOLBAS_SOUND_FOLDER="${CMAKE_BINARY_DIR}")
  add_dependencies(zolbas_sound_file_tests zolbas_sounds)
  add_test(NAME zolbas_sound_file_tests COMMAND zolbas_sound_file_tests)
endif()
