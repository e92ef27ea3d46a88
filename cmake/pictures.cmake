# The game's pictures: 32 x 32 XPM drawings compiled into a small library.
# Plain C++, so the game rules and the tests can use them without Qt.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH ZOLBAS_PICTURES_ROOT)
add_library(zolbas_pictures STATIC ${ZOLBAS_PICTURES_ROOT}/assets/Pictures.cpp)
target_include_directories(zolbas_pictures PUBLIC ${ZOLBAS_PICTURES_ROOT})

if(ZOLBAS_TESTS)
  enable_testing()
  if(NOT TARGET GTest::gtest_main)
    find_package(GTest REQUIRED)
  endif()
  add_executable(zolbas_pictures_test
    ${ZOLBAS_PICTURES_ROOT}/tests/PicturesTest.cpp
    ${ZOLBAS_PICTURES_ROOT}/tests/WalkerPicturesTest.cpp
    ${ZOLBAS_PICTURES_ROOT}/tests/XpmReader.cpp
    ${ZOLBAS_PICTURES_ROOT}/tests/XpmReaderTest.cpp
  )
  target_link_libraries(zolbas_pictures_test PRIVATE zolbas_pictures GTest::gtest_main)
  add_test(NAME zolbas_pictures_test COMMAND zolbas_pictures_test)
endif()
