# Benchmarks: built with the program, run by hand (see BENCHMARKS.md).
add_executable(zolbas_engine_bench bench/EngineBench.cpp)
target_link_libraries(zolbas_engine_bench PRIVATE zolbas_sim)

add_executable(zolbas_minimal_label bench/MinimalLabel.cpp)
target_link_libraries(zolbas_minimal_label PRIVATE Qt6::Widgets)
