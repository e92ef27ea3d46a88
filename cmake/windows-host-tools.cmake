# The help document, the sound files and the icon are written by tools
# that run on the building machine: a build of their own with the host's
# compiler, made as part of this one.
include(ExternalProject)
set(ZOLBAS_HOST_TOOLS ${CMAKE_BINARY_DIR}/host-tools)
set(ZOLBAS_HELP_SOURCE ${ZOLBAS_HOST_TOOLS}/generated/HelpDocumentRtf.cpp)
set(ZOLBAS_WINDOWS_ICON ${ZOLBAS_HOST_TOOLS}/zolbas.ico)
set(ZOLBAS_HOST_SOUND_FILES ${ZOLBAS_HOST_TOOLS}/music1.mid ${ZOLBAS_HOST_TOOLS}/snd.wav ${ZOLBAS_HOST_TOOLS}/lvup.wav)
ExternalProject_Add(zolbas_host_tools
  SOURCE_DIR ${ZOLBAS_ROOT}/cmake/host-tools
  BINARY_DIR ${ZOLBAS_HOST_TOOLS}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${ZOLBAS_HELP_SOURCE} ${ZOLBAS_WINDOWS_ICON} ${ZOLBAS_HOST_SOUND_FILES})

# The sound files go beside the executable, as on every system.
set(ZOLBAS_SOUND_FILES)
foreach(file IN LISTS ZOLBAS_HOST_SOUND_FILES)
  cmake_path(GET file FILENAME name)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy ${file} ${CMAKE_BINARY_DIR}/${name}
                     DEPENDS ${file} VERBATIM)
  list(APPEND ZOLBAS_SOUND_FILES ${CMAKE_BINARY_DIR}/${name})
endforeach()
add_custom_target(zolbas_sounds ALL DEPENDS ${ZOLBAS_SOUND_FILES})

# The help screen's RTF, built into the program.
add_library(zolbas_help STATIC ${ZOLBAS_HELP_SOURCE})
target_include_directories(zolbas_help PUBLIC ${ZOLBAS_ROOT})
add_dependencies(zolbas_help zolbas_host_tools)
