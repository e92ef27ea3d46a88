# Benchmarks: built with the program, run by hand (see BENCHMARKS.md).
add_executable(zolbas_engine_bench bench/EngineBench.cpp)
target_link_libraries(zolbas_engine_bench PRIVATE zolbas_sim)

add_executable(zolbas_minimal_label bench/MinimalLabel.cpp)
target_link_libraries(zolbas_minimal_label PRIVATE Qt6::Widgets)

# The floor of bench/cpu.sh: a window moving one label, a mixer mixing
# silence.
add_executable(zolbas_floor_window bench/FloorWindow.cpp)
target_link_libraries(zolbas_floor_window PRIVATE Qt6::Widgets)
add_executable(zolbas_floor_mixer bench/FloorMixer.cpp)
target_link_libraries(zolbas_floor_mixer PRIVATE PkgConfig::ZOLBAS_SDL2_MIXER)

# What an untouched pad costs the title screen.
add_executable(zolbas_pad_idle_bench bench/PadIdleBench.cpp)
target_link_libraries(zolbas_pad_idle_bench PRIVATE zolbas_qt)
