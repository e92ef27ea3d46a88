#pragma once

#include <string_view>

namespace zol {

// The help screen's document as RTF (code page 932 text in \'hh escapes,
// MS UI Gothic 12 pt bold). It is made at build time from
// assets/help_ja.txt by zolbas_make_help_rtf and built into the program,
// so the help screen never looks for a file.
std::string_view helpDocumentRtf();

} // namespace zol
