# The native Windows build: the Qt-free core under a Win32 front end,
# cross-compiled with mingw-w64 (cmake/mingw-w64-x86_64.cmake), statically
# linked so that it needs only the system's own DLLs. Its tests run through
# Wine in a prefix of the project's own (tools/wine-prefix.sh).
enable_language(RC)
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH ZOLBAS_ROOT)
add_link_options(-static)
# The wide (UTF-16) Windows API throughout, Windows 10 and later.
add_compile_definitions(UNICODE _UNICODE _WIN32_WINNT=0x0A00 WINVER=0x0A00)

set(ZOLBAS_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "The Wine prefix the tests run in")
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZOLBAS_ROOT}/tools/wine-run.sh)

include(${ZOLBAS_ROOT}/cmake/windows-host-tools.cmake)

if(ZOLBAS_TESTS)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

include(${ZOLBAS_ROOT}/cmake/core.cmake)

include(${ZOLBAS_ROOT}/cmake/win32.cmake)

if(ZOLBAS_TESTS)
  set(ZOLBAS_GAME_COMMAND ${CMAKE_BINARY_DIR}/zolbas-wine)
  file(GENERATE OUTPUT ${ZOLBAS_GAME_COMMAND}
       CONTENT "#!/bin/sh\nexec '${ZOLBAS_ROOT}/tools/wine-run.sh' '$<TARGET_FILE:zolbas>' \"$@\"\n"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  include(${ZOLBAS_ROOT}/cmake/tests.cmake)
  include(${ZOLBAS_ROOT}/cmake/win32tests.cmake)
endif()
