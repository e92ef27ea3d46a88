# The tune and the cues the game plays: the project's own composer and
# writers, and the tool that writes music1.mid, snd.wav and lvup.wav into the
# build folder. Plain C++; any build that ships the sounds includes this.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH ZOLBAS_SOUND_ROOT)

# The composer and the writers, shared by the tool and the tests (which
# make short tunes and cues of their own and check the tool's output).
add_library(zolbas_sound_writers STATIC
  ${ZOLBAS_SOUND_ROOT}/tools/Backing.cpp
  ${ZOLBAS_SOUND_ROOT}/tools/LevelUpSound.cpp
  ${ZOLBAS_SOUND_ROOT}/tools/MidiWriter.cpp
  ${ZOLBAS_SOUND_ROOT}/tools/Phrase.cpp
  ${ZOLBAS_SOUND_ROOT}/tools/SquashSound.cpp
  ${ZOLBAS_SOUND_ROOT}/tools/Tune.cpp
  ${ZOLBAS_SOUND_ROOT}/tools/WavWriter.cpp
)
target_include_directories(zolbas_sound_writers PUBLIC ${ZOLBAS_SOUND_ROOT})

add_executable(zolbas_make_sounds ${ZOLBAS_SOUND_ROOT}/tools/make_sounds.cpp)
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
