# The core's tests under node: the same sources as the native build's, run
# by node on the WebAssembly the page uses.
if(NOT ZOLBAS_TESTS)
  return()
endif()

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Node's own folders for the tests: the source tree, and the host build where
# it lies outside it.
set(folders "'${ZOLBAS_ROOT}'")
cmake_path(IS_PREFIX ZOLBAS_ROOT ${ZOLBAS_WEB_HOST} NORMALIZE host_inside)
if(NOT host_inside)
  string(APPEND folders ", '${ZOLBAS_WEB_HOST}'")
endif()
set(ZOLBAS_NODE_FOLDERS ${folders})
configure_file(node/mount-folders.js.in ${CMAKE_BINARY_DIR}/mount-folders.js @ONLY)
set(ZOLBAS_NODE_TEST_LINK_OPTIONS
  -sENVIRONMENT=node -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1 -sWASM_ASYNC_COMPILATION=0
  -lnodefs.js --pre-js ${CMAKE_BINARY_DIR}/mount-folders.js)

function(zolbas_node_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;DEFINITIONS;PRE_JS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} gtest_main)
  target_compile_definitions(${name} PRIVATE ${arg_DEFINITIONS})
  target_link_options(${name} PRIVATE ${ZOLBAS_NODE_TEST_LINK_OPTIONS})
  foreach(script IN LISTS arg_PRE_JS)
    target_link_options(${name} PRIVATE "SHELL:--pre-js ${script}")
  endforeach()
  add_dependencies(zolbas_node_tests ${name})
endfunction()
add_custom_target(zolbas_node_tests)

set(tests ${ZOLBAS_ROOT}/tests)
zolbas_node_test(zolbas_game_test
  SOURCES ${tests}/ValueRulesTest.cpp ${tests}/FloatTextTest.cpp ${tests}/ScoreStoreTest.cpp
  LIBRARIES zolbas_sim)
file(GLOB play_tests CONFIGURE_DEPENDS ${tests}/play/*.cpp ${tests}/platform/*.cpp ${tests}/shell/*.cpp)
zolbas_node_test(zolbas_play_test SOURCES ${play_tests} LIBRARIES zolbas_sim)
zolbas_node_test(zolbas_pictures_test
  SOURCES ${tests}/PicturesTest.cpp ${tests}/WalkerPicturesTest.cpp ${tests}/XpmImageTest.cpp
  LIBRARIES zolbas_pictures)
zolbas_node_test(zolbas_help_test
  SOURCES ${tests}/HelpDocumentTest.cpp ${tests}/RtfReaderDamageTest.cpp ${tests}/RtfReaderTest.cpp
  LIBRARIES zolbas_web_help
  DEFINITIONS ZOLBAS_HELP_TEXT_FILE="${ZOLBAS_ROOT}/assets/help_ja.txt"
              ZOLBAS_HELP_RTF_FILE="${ZOLBAS_WEB_HOST}/help.rtf"
              ZOLBAS_RTF_CORPUS_DIR="${tests}/fuzz/corpus/rtf")

# The browser's services against a stand-in storage and page.
zolbas_node_test(zolbas_web_platform_test
  SOURCES ${tests}/web/WebPlatformTest.cpp ${tests}/play/EventLog.cpp
  LIBRARIES zolbas_web_platform zolbas_sim
  PRE_JS ${tests}/web/stand-in-page.js)
# Its emscripten_run_script_string() frees the script's text with _free,
# which newer emscripten (Debian 13's) no longer exports unasked.
target_link_options(zolbas_web_platform_test PRIVATE "SHELL:-s EXPORTED_FUNCTIONS=['_main','_free']")
