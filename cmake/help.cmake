# The help screen's document and the RTF reader that shows it.
#
# assets/help_ja.txt is the document as readable UTF-8. At build time
# zolbas_make_help_rtf turns it into help.rtf (code page 932 escapes, as the
# help screen's rich text box expects) and into a C++ file that builds the
# same RTF into the program. A character that code page 932 cannot carry
# stops the build there.

cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH ZOLBAS_HELP_ROOT)

# Reads RTF into plain UTF-8 text. Plain C++ and iconv, no Qt.
add_library(zolbas_rtf_reader STATIC
  ${ZOLBAS_HELP_ROOT}/platform/iconv/Cp932Decoder.cpp
  ${ZOLBAS_HELP_ROOT}/shell/RtfReader.cpp
  ${ZOLBAS_HELP_ROOT}/shell/RtfTextBuilder.cpp
)
target_include_directories(zolbas_rtf_reader PUBLIC ${ZOLBAS_HELP_ROOT})

add_library(zolbas_help_rtf_writer STATIC ${ZOLBAS_HELP_ROOT}/tools/HelpRtfWriter.cpp)
target_link_libraries(zolbas_help_rtf_writer PUBLIC zolbas_rtf_reader)

add_executable(zolbas_make_help_rtf ${ZOLBAS_HELP_ROOT}/tools/make_help_rtf.cpp)
target_link_libraries(zolbas_make_help_rtf PRIVATE zolbas_help_rtf_writer)

set(ZOLBAS_HELP_TEXT ${ZOLBAS_HELP_ROOT}/assets/help_ja.txt)
set(ZOLBAS_HELP_RTF ${CMAKE_BINARY_DIR}/help.rtf)
set(ZOLBAS_HELP_SOURCE ${CMAKE_BINARY_DIR}/generated/HelpDocumentRtf.cpp)
add_custom_command(
  OUTPUT ${ZOLBAS_HELP_RTF} ${ZOLBAS_HELP_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND zolbas_make_help_rtf ${ZOLBAS_HELP_TEXT} ${ZOLBAS_HELP_RTF} ${ZOLBAS_HELP_SOURCE}
  DEPENDS zolbas_make_help_rtf ${ZOLBAS_HELP_TEXT}
  COMMENT "Writing the help document as RTF"
  VERBATIM
)

# What the help screen links: the document and the reader.
add_library(zolbas_help STATIC ${ZOLBAS_HELP_SOURCE})
target_include_directories(zolbas_help PUBLIC ${ZOLBAS_HELP_ROOT})
target_link_libraries(zolbas_help PUBLIC zolbas_rtf_reader)

if(ZOLBAS_TESTS)
  if(NOT TARGET GTest::gtest_main)
    find_package(GTest REQUIRED)
  endif()
  add_executable(zolbas_help_test
    ${ZOLBAS_HELP_ROOT}/tests/HelpDocumentTest.cpp
    ${ZOLBAS_HELP_ROOT}/tests/HelpRtfWriterTest.cpp
    ${ZOLBAS_HELP_ROOT}/tests/RtfReaderDamageTest.cpp
    ${ZOLBAS_HELP_ROOT}/tests/RtfReaderTest.cpp
  )
  target_link_libraries(zolbas_help_test PRIVATE zolbas_help zolbas_help_rtf_writer GTest::gtest_main)
  target_compile_definitions(zolbas_help_test PRIVATE
    ZOLBAS_HELP_TEXT_FILE="${ZOLBAS_HELP_TEXT}"
    ZOLBAS_HELP_RTF_FILE="${ZOLBAS_HELP_RTF}"
    ZOLBAS_RTF_CORPUS_DIR="${ZOLBAS_HELP_ROOT}/tests/fuzz/corpus/rtf"
  )
  add_test(NAME zolbas_help_test COMMAND zolbas_help_test)
endif()
