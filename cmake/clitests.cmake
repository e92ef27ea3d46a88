# The command line's failures, each run through the real executable.
add_test(NAME cli_simulate_io COMMAND bash ${CMAKE_SOURCE_DIR}/tests/cli/simulate_io.sh $<TARGET_FILE:zolbas>)
