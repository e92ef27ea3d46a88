# The Debian package of `make deb`: what `cmake --install` puts under /usr,
# with Debian's changelog and machine-readable copyright file. Its
# dependencies are read off the executable by dpkg-shlibdeps, plus what the
# game loads at run time: Qt's platform plugins, the soundfont and the fonts.

# The project has no public address yet: .invalid (RFC 2606) says so
# instead of inventing one.
set(ZOLBAS_PACKAGE_CONTACT "ZOLBAS PROJECT <maintainers@zolbas.invalid>"
    CACHE STRING "The package's maintainer, as Name <address>")

# The copyright file in Debian's machine-readable format, from LICENSE: the
# holder from its copyright line, the licence text indented, blank lines as
# " .".
file(READ ${CMAKE_SOURCE_DIR}/LICENSE ZOLBAS_LICENSE)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ ${ZOLBAS_LICENSE})
set(ZOLBAS_COPYRIGHT ${CMAKE_MATCH_1})
string(REGEX REPLACE "^.*\n(Permission is hereby granted)" "\\1" ZOLBAS_LICENSE_TEXT ${ZOLBAS_LICENSE})
string(STRIP "${ZOLBAS_LICENSE_TEXT}" ZOLBAS_LICENSE_TEXT)
string(REPLACE "\n\n" "\n.\n" ZOLBAS_LICENSE_TEXT "${ZOLBAS_LICENSE_TEXT}")
string(REPLACE "\n" "\n " ZOLBAS_LICENSE_TEXT " ${ZOLBAS_LICENSE_TEXT}")
configure_file(dist/copyright.in ${CMAKE_BINARY_DIR}/copyright @ONLY)
configure_file(dist/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)

# Debian keeps manual pages and changelogs compressed, without time stamps.
function(zolbas_gzip input output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND sh -c "gzip -9nc < \"$0\" > \"$1\"" ${input} ${output}
    DEPENDS ${input}
    VERBATIM)
endfunction()
zolbas_gzip(${CMAKE_SOURCE_DIR}/dist/zolbas.6 ${CMAKE_BINARY_DIR}/zolbas.6.gz)
zolbas_gzip(${CMAKE_BINARY_DIR}/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_target(zolbas_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz ${CMAKE_BINARY_DIR}/zolbas.6.gz)

install(FILES ${CMAKE_BINARY_DIR}/zolbas.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zolbas)
set(CPACK_PACKAGE_VENDOR "ZOLBAS PROJECT")
set(CPACK_PACKAGE_CONTACT ${ZOLBAS_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: steer falling meteorites onto the people below")
set(CPACK_PACKAGE_DESCRIPTION
  "A small arcade game with a Japanese interface (ゾルバス). A meteorite falls
from the sky; steer it with the arrow keys and land it on the six people
walking along the ground. Crushes that follow each other quickly make a
combo, every 300 points the level rises, and the game ends when ten
meteorites are lost. The best score and best combo are kept between runs.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, timgm6mb-soundfont | sf2-soundfont-gm, fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/deb-games.cmake)
include(CPack)

if(ZOLBAS_TESTS)
  enable_testing()
  add_test(NAME package_deb COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/deb_contents.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package_deb PROPERTIES TIMEOUT 300)
endif()
