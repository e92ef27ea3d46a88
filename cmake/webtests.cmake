# The browser build's tests, run from the native build's CTest when
# ZOLBAS_WEB_BUILD names a built web/ configuration (`make check` does):
# the core's tests and the golden traces under node, and the page in Chromium.
if(NOT ZOLBAS_TESTS OR NOT ZOLBAS_WEB_BUILD)
  return()
endif()
find_program(ZOLBAS_NODE node REQUIRED)

foreach(name game play pictures help web_platform)
  add_test(NAME web_${name}_test COMMAND ${ZOLBAS_NODE} ${ZOLBAS_WEB_BUILD}/zolbas_${name}_test.js --gtest_brief=1)
endforeach()

foreach(script IN LISTS zolbas_golden_scripts)
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME web_golden_${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/golden/run_golden.sh ${ZOLBAS_WEB_BUILD}/zolbas-node
            ${script} ${CMAKE_SOURCE_DIR}/tests/golden/${name}.expected)
endforeach()

# A round of the game in the page, in headless Chromium over the DevTools
# protocol, replayed through this build's `zolbas --simulate`. Alone, so that
# no other test stalls the page's frames.
if(ZOLBAS_WEB_DIST)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME web_page_round
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/web/tests/page_round.py ${ZOLBAS_WEB_DIST} $<TARGET_FILE:zolbas>)
  set_tests_properties(web_page_round PROPERTIES RUN_SERIAL TRUE TIMEOUT 300)
  # The same with a scripted pad for the keys, and full screen on a large
  # screen, probed on the screen's pixels.
  add_test(NAME web_page_pads
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/web/tests/page_pads.py ${ZOLBAS_WEB_DIST} $<TARGET_FILE:zolbas>)
  add_test(NAME web_page_full_screen
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/web/tests/page_full_screen.py ${ZOLBAS_WEB_DIST})
  # The page cached by its service worker: installable, played offline,
  # replaced whole by a rebuild.
  add_test(NAME web_page_offline
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/web/tests/page_offline.py ${ZOLBAS_WEB_DIST})
  # The game by touch on a phone, upright and turned: rounds by fingers
  # alone, the layout probed on the screen's pixels; and every way a finger
  # lets go of a control.
  add_test(NAME web_page_touch
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/web/tests/page_touch.py ${ZOLBAS_WEB_DIST} $<TARGET_FILE:zolbas>)
  add_test(NAME web_page_touch_release
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/web/tests/page_touch_release.py ${ZOLBAS_WEB_DIST}
            $<TARGET_FILE:zolbas>)
  set_tests_properties(web_page_pads web_page_full_screen web_page_offline web_page_touch web_page_touch_release
    PROPERTIES RUN_SERIAL TRUE TIMEOUT 300)
endif()

# The page's key translation across keyboard layouts, under node's runner.
add_test(NAME web_keys COMMAND ${ZOLBAS_NODE} --test ${CMAKE_SOURCE_DIR}/web/tests/keys.test.mjs)
