// libFuzzer target for the help screen's RTF reader. Any bytes must read
// without a crash, a hang or a sanitizer report, and what comes out must be
// valid UTF-8, since the help screen hands it straight to the text box.

#include "shell/RtfReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > s.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const zol::RtfText read = zol::readRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!isValidUtf8(read.text)) std::abort();
    return 0;
}
