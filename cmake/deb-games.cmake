# Run by CPack on the staged package: Debian keeps the commands of games in
# /usr/games (policy 11.11), while a plain install puts the launcher in bin/
# where the user's PATH looks. The launcher finds the executable from its own
# folder, one level below /usr either way.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(MAKE_DIRECTORY ${staged}/games)
file(RENAME ${staged}/bin/zolbas ${staged}/games/zolbas)
file(GLOB left_in_bin ${staged}/bin/*)
if(NOT left_in_bin)
  file(REMOVE_RECURSE ${staged}/bin)
endif()
