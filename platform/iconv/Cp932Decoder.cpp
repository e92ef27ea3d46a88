#include "platform/Cp932Decoder.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstddef>

namespace zol {
namespace {

constexpr std::size_t kOutputChunkBytes = 256;
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
const auto kNoHandle = reinterpret_cast<void*>(-1);
constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);

} // namespace

Cp932Decoder::Cp932Decoder() : handle_(iconv_open("UTF-8", "CP932")) {}

Cp932Decoder::~Cp932Decoder() {
    if (open()) iconv_close(static_cast<iconv_t>(handle_));
}

bool Cp932Decoder::open() const { return handle_ != kNoHandle; }

bool Cp932Decoder::decode(std::string_view bytes, std::string& out) {
    const auto handle = static_cast<iconv_t>(handle_);
    // iconv wants a writable input pointer, so it works on a copy.
    std::string input(bytes);
    char* in = input.data();
    std::size_t inLeft = input.size();
    std::array<char, kOutputChunkBytes> chunk{};
    bool clean = true;
    if (open()) iconv(handle, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
        char* outPos = chunk.data();
        std::size_t outLeft = chunk.size();
        const std::size_t result = open() ? iconv(handle, &in, &inLeft, &outPos, &outLeft) : kIconvFailed;
        const bool chunkFull = result == kIconvFailed && errno == E2BIG && outPos != chunk.data();
        out.append(chunk.data(), static_cast<std::size_t>(outPos - chunk.data()));
        if (result != kIconvFailed || chunkFull) continue;
        // The byte at `in` starts no character: mark it and step over it.
        out += kReplacementCharacter;
        clean = false;
        ++in;
        --inLeft;
        if (open()) iconv(handle, nullptr, nullptr, nullptr, nullptr);
    }
    return clean;
}

} // namespace zol
