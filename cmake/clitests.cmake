# The command line's failures, each run through the real executable.
add_test(NAME cli_no_display COMMAND bash ${CMAKE_SOURCE_DIR}/tests/cli/no_display.sh $<TARGET_FILE:zolbas>)
add_test(NAME cli_simulate_io COMMAND bash ${CMAKE_SOURCE_DIR}/tests/cli/simulate_io.sh $<TARGET_FILE:zolbas>)
