# libFuzzer targets for every parser of outside text: the simulation script,
# the store's number conversion and the RTF reader. Built with clang in a
# folder of their own (`make fuzz`); everything they link is instrumented.
if(NOT ZOLBAS_FUZZ)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz targets need clang: CXX=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)

function(zolbas_fuzzer name source)
  add_executable(${name} ${source})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE ${ARGN})
endfunction()

zolbas_fuzzer(zolbas_fuzz_script tests/fuzz/FuzzScript.cpp zolbas_sim)
zolbas_fuzzer(zolbas_fuzz_number tests/fuzz/FuzzStoredNumber.cpp zolbas_game)
zolbas_fuzzer(zolbas_fuzz_rtf tests/fuzz/FuzzRtfReader.cpp zolbas_rtf_reader)
add_custom_target(zolbas_fuzzers DEPENDS zolbas_fuzz_script zolbas_fuzz_number zolbas_fuzz_rtf)
