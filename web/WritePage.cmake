# Writes the page into DIST anew from FILES and FONTS (lists separated by
# "|"). A folder holding an earlier build's page (its zolbas.wasm) is emptied
# first, so that no file the page has since dropped is served with it; a
# folder holding anything else is left alone and refused, so that a mistyped
# destination loses nothing.
#
#   cmake -DDIST=... -DFILES=a|b -DFONTS=c|d -P WritePage.cmake
string(REPLACE "|" ";" FILES "${FILES}")
string(REPLACE "|" ";" FONTS "${FONTS}")
file(GLOB present "${DIST}/*")
if(EXISTS "${DIST}/zolbas.wasm")
  file(REMOVE_RECURSE "${DIST}")
elseif(present)
  message(FATAL_ERROR "${DIST} holds files that are not the page's; name an empty or new folder")
endif()
file(MAKE_DIRECTORY "${DIST}/fonts")
file(COPY ${FILES} DESTINATION "${DIST}")
file(COPY ${FONTS} DESTINATION "${DIST}/fonts")
