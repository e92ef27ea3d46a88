# Writes the page into DIST anew from FILES and FONTS (lists separated by
# "|"), and its service worker from WORKER with the list of the page's files
# and a version that is the hash of their contents. A folder holding an earlier build's page (its zolbas.wasm) is emptied
# first, so that no file the page has since dropped is served with it; a
# folder holding anything else is left alone and refused, so that a mistyped
# destination loses nothing.
#
#   cmake -DDIST=... -DFILES=a|b -DFONTS=c|d -DWORKER=... -P WritePage.cmake
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

file(GLOB_RECURSE written RELATIVE "${DIST}" "${DIST}/*")
list(SORT written)
set(contents "")
set(names "\"./\"")
foreach(name IN LISTS written)
  file(SHA256 "${DIST}/${name}" sum)
  string(APPEND contents "${name} ${sum}\n")
  string(APPEND names ",\"${name}\"")
endforeach()
file(SHA256 "${WORKER}" sum)
string(APPEND contents "service-worker.js ${sum}\n")
string(SHA256 VERSION "${contents}")
string(SUBSTRING "${VERSION}" 0 16 VERSION)
set(FILES "${names}")
configure_file("${WORKER}" "${DIST}/service-worker.js" @ONLY)
