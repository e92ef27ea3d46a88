# Installation: the executable and its three sound files together in one
# folder, a launcher in bin/, and what a desktop needs to show the game.
include(GNUInstallDirs)
set(ZOLBAS_EXE_DIR ${CMAKE_INSTALL_LIBDIR}/zolbas)

add_executable(zolbas_make_icons tools/make_icons.cpp)
target_link_libraries(zolbas_make_icons PRIVATE zolbas_pictures Qt6::Gui)
set(ZOLBAS_ICON_SIZES 32 64 128)
set(ZOLBAS_ICONS_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${ZOLBAS_ICONS_DIR}/128x128/apps/zolbas.png
  COMMAND zolbas_make_icons ${ZOLBAS_ICONS_DIR} ${ZOLBAS_ICON_SIZES}
  DEPENDS zolbas_make_icons
  COMMENT "Scaling the icon for the desktop"
  VERBATIM)
add_custom_target(zolbas_icons ALL DEPENDS ${ZOLBAS_ICONS_DIR}/128x128/apps/zolbas.png)

file(RELATIVE_PATH ZOLBAS_BIN_TO_EXE /${CMAKE_INSTALL_BINDIR} /${ZOLBAS_EXE_DIR})
configure_file(dist/zolbas-launcher.in ${CMAKE_BINARY_DIR}/zolbas-launcher @ONLY)

install(TARGETS zolbas RUNTIME DESTINATION ${ZOLBAS_EXE_DIR})
install(FILES ${CMAKE_BINARY_DIR}/music1.mid ${CMAKE_BINARY_DIR}/snd.wav ${CMAKE_BINARY_DIR}/lvup.wav
        DESTINATION ${ZOLBAS_EXE_DIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/zolbas-launcher DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME zolbas)
install(FILES dist/zolbas.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/io.github.zolbas.Zolbas.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${ZOLBAS_ICON_SIZES})
  install(FILES ${ZOLBAS_ICONS_DIR}/${size}x${size}/apps/zolbas.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
