# The tests of the game's rules, the simulation and the windowed program.
if(NOT ZOLBAS_TESTS)
  return()
endif()
enable_testing()
if(NOT TARGET GTest::gtest_main)
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Each test case as a test of its own; where every start of an executable
# is costly (a build for another system, run through its emulator) each
# executable runs whole instead.
function(zolbas_add_gtests target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# The folders' floors: platform/ includes nothing built on it.
if(NOT CMAKE_CROSSCOMPILING)
  add_test(NAME house_platform_floor COMMAND bash ${CMAKE_SOURCE_DIR}/tests/house/platform_floor.sh)
endif()

# Rules, store and simulation: plain C++, no display needed.
add_executable(zolbas_game_test
  tests/ValueRulesTest.cpp
  tests/FloatTextTest.cpp
  tests/ScoreStoreTest.cpp
)
target_link_libraries(zolbas_game_test PRIVATE zolbas_sim GTest::gtest_main)
zolbas_add_gtests(zolbas_game_test)

include(cmake/playtests.cmake OPTIONAL)
if(TARGET zolbas_qt)
  include(cmake/windowtests.cmake OPTIONAL)
  include(cmake/clitests.cmake OPTIONAL)
endif()
include(cmake/webtests.cmake)
