# The tests of the play screen's rules, the long random-play test and the
# golden event traces of `zolbas --simulate`.

add_executable(zolbas_play_test
  tests/play/EventLog.cpp
  tests/play/Scripted.cpp
  tests/play/TickBench.cpp
  tests/play/BannerTest.cpp
  tests/play/CaptionsTest.cpp
  tests/play/CrushCourseTest.cpp
  tests/play/CrushTest.cpp
  tests/play/GameOverSequenceTest.cpp
  tests/play/GameOverTest.cpp
  tests/play/GameStartTest.cpp
  tests/play/KeysTest.cpp
  tests/play/MeteorFallTest.cpp
  tests/play/MeteorSidewaysTest.cpp
  tests/play/RealTimePacerTest.cpp
  tests/play/ScoringTest.cpp
  tests/play/ShellNavigationTest.cpp
  tests/play/SimulationContractTest.cpp
  tests/play/SoundCuesTest.cpp
  tests/play/TickGateTest.cpp
  tests/play/WalkersTest.cpp
  tests/platform/BoxBookkeepingTest.cpp
  tests/platform/ScheduledTimersTest.cpp
  tests/shell/ExplosionShowTest.cpp
  tests/shell/FrontEndTest.cpp
  tests/shell/KeyFilterTest.cpp
  tests/shell/PadTest.cpp
  tests/shell/ScreenScaleTest.cpp
)
target_link_libraries(zolbas_play_test PRIVATE zolbas_sim GTest::gtest_main)
zolbas_add_gtests(zolbas_play_test)

# A million ticks of random play; its own executable, so that it can have
# its own time limit. A build for another system skips it: it counts memory
# with the C library of this one, and the same code runs in the tests above.
if(NOT CMAKE_CROSSCOMPILING)
  add_executable(zolbas_soak_test
    tests/soak/MemoryFlatTest.cpp
    tests/soak/SoakTest.cpp
    tests/soak/TickInvariants.cpp
  )
  target_link_libraries(zolbas_soak_test PRIVATE zolbas_sim GTest::gtest_main)
  add_test(NAME zolbas_soak COMMAND zolbas_soak_test)
  set_tests_properties(zolbas_soak PROPERTIES TIMEOUT 900)
endif()

# Every tests/golden/NAME.script runs through `zolbas --simulate` and its
# events must equal tests/golden/NAME.expected line for line. A build for
# another system names a command that runs its game.
if(NOT ZOLBAS_GAME_COMMAND)
  set(ZOLBAS_GAME_COMMAND $<TARGET_FILE:zolbas>)
endif()
file(GLOB zolbas_golden_scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/golden/*.script)
foreach(script IN LISTS zolbas_golden_scripts)
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME golden_${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/golden/run_golden.sh ${ZOLBAS_GAME_COMMAND}
            ${script} ${CMAKE_SOURCE_DIR}/tests/golden/${name}.expected)
endforeach()
