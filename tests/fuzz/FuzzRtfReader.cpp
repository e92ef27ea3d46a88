// libFuzzer target for the help screen's RTF reader. Any bytes must read
// without a crash, a hang or a sanitizer report, and what comes out must be
// valid UTF-8, since the help screen hands it straight to the text box.

#include "shell/RtfReader.h"
#include "tests/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zol::RtfText read = zol::readRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!zol::test::isValidUtf8(read.text)) std::abort();
    return 0;
}
