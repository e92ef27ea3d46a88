# The tests of the game's rules, the simulation and the windowed program.
if(NOT ZOLBAS_TESTS)
  return()
endif()
enable_testing()
if(NOT TARGET GTest::gtest_main)
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Rules, store and simulation: plain C++, no display needed.
add_executable(zolbas_game_test
  tests/ValueRulesTest.cpp
  tests/FloatTextTest.cpp
  tests/ScoreStoreTest.cpp
)
target_link_libraries(zolbas_game_test PRIVATE zolbas_sim GTest::gtest_main)
gtest_discover_tests(zolbas_game_test DISCOVERY_TIMEOUT 60)

include(cmake/playtests.cmake OPTIONAL)
include(cmake/windowtests.cmake OPTIONAL)
include(cmake/webtests.cmake)
