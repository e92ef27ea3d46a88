// The browser's code page 932 decoder: its TextDecoder("shift_jis") is the
// Windows-31J table (platform/web/library.js).
#include "platform/Cp932Decoder.h"

#include <cstdlib>

extern "C" char* zolbas_decode_cp932(const unsigned char* bytes, int length, int* written);

namespace zol {

Cp932Decoder::Cp932Decoder() : handle_(nullptr) {}

Cp932Decoder::~Cp932Decoder() = default;

bool Cp932Decoder::open() const { return true; }

bool Cp932Decoder::decode(std::string_view bytes, std::string& out) {
    int written = 0;
    char* decoded =
        zolbas_decode_cp932(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()), &written);
    const bool clean = decoded[0] == '1';
    out.append(decoded + 1, static_cast<std::size_t>(written - 1));
    std::free(decoded);
    return clean;
}

} // namespace zol
