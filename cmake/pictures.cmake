# The game's pictures: 32 x 32 XPM drawings compiled into a small library.
# Plain C++ with their own XPM decoder, so the game rules, the tests and a
# front end without Qt can use them.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH ZOLBAS_PICTURES_ROOT)
add_library(zolbas_pictures STATIC
  ${ZOLBAS_PICTURES_ROOT}/assets/Pictures.cpp
  ${ZOLBAS_PICTURES_ROOT}/assets/XpmImage.cpp
  ${ZOLBAS_PICTURES_ROOT}/assets/XpmWords.cpp
)
target_include_directories(zolbas_pictures PUBLIC ${ZOLBAS_PICTURES_ROOT})

# The icon as a Windows icon file, written on the building machine.
add_library(zolbas_ico_writer STATIC ${ZOLBAS_PICTURES_ROOT}/tools/IcoWriter.cpp)
target_link_libraries(zolbas_ico_writer PUBLIC zolbas_pictures)

if(ZOLBAS_TESTS)
  enable_testing()
  if(NOT TARGET GTest::gtest_main)
    find_package(GTest REQUIRED)
  endif()
  add_executable(zolbas_pictures_test
    ${ZOLBAS_PICTURES_ROOT}/tests/PicturesTest.cpp
    ${ZOLBAS_PICTURES_ROOT}/tests/WalkerPicturesTest.cpp
    ${ZOLBAS_PICTURES_ROOT}/tests/XpmImageTest.cpp
    ${ZOLBAS_PICTURES_ROOT}/tests/IcoWriterTest.cpp
  )
  target_link_libraries(zolbas_pictures_test PRIVATE zolbas_ico_writer GTest::gtest_main)
  add_test(NAME zolbas_pictures_test COMMAND zolbas_pictures_test)
endif()
