# The game's sound files: the program that composes the tune and the cues
# and writes them beside the executable. Plain C++, so a build for another
# system can run it on the building machine.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH ZOLBAS_SOUND_FILES_ROOT)

# The composer and the writers, shared by the tool and the tests (which
# make short tunes and cues of their own and check the tool's output).
find_package(PkgConfig REQUIRED)
pkg_check_modules(ZOLBAS_EBUR128 REQUIRED IMPORTED_TARGET libebur128)
add_library(zolbas_sound_writers STATIC
  ${ZOLBAS_SOUND_FILES_ROOT}/tools/Backing.cpp
  ${ZOLBAS_SOUND_FILES_ROOT}/tools/CueLevel.cpp
  ${ZOLBAS_SOUND_FILES_ROOT}/tools/LevelUpSound.cpp
  ${ZOLBAS_SOUND_FILES_ROOT}/tools/Loudness.cpp
  ${ZOLBAS_SOUND_FILES_ROOT}/tools/MidiWriter.cpp
  ${ZOLBAS_SOUND_FILES_ROOT}/tools/Phrase.cpp
  ${ZOLBAS_SOUND_FILES_ROOT}/tools/SquashSound.cpp
  ${ZOLBAS_SOUND_FILES_ROOT}/tools/Tune.cpp
  ${ZOLBAS_SOUND_FILES_ROOT}/tools/WavWriter.cpp
)
target_include_directories(zolbas_sound_writers PUBLIC ${ZOLBAS_SOUND_FILES_ROOT})
# The cues are levelled by their loudness, measured as ITU-R BS.1770 says.
target_link_libraries(zolbas_sound_writers PUBLIC PkgConfig::ZOLBAS_EBUR128)

add_executable(zolbas_make_sounds ${ZOLBAS_SOUND_FILES_ROOT}/tools/make_sounds.cpp)
target_link_libraries(zolbas_make_sounds PRIVATE zolbas_sound_writers)

set(ZOLBAS_SOUND_FILES
  ${CMAKE_BINARY_DIR}/music1.mid
  ${CMAKE_BINARY_DIR}/snd.wav
  ${CMAKE_BINARY_DIR}/lvup.wav
)
add_custom_command(
  OUTPUT ${ZOLBAS_SOUND_FILES}
  COMMAND zolbas_make_sounds ${CMAKE_BINARY_DIR}
  DEPENDS zolbas_make_sounds
  COMMENT "Writing the tune and the sound cues"
  VERBATIM
)
add_custom_target(zolbas_sounds ALL DEPENDS ${ZOLBAS_SOUND_FILES})
