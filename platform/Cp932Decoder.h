#pragma once

#include <string>
#include <string_view>

namespace zol {

// Turns code page 932 (Windows Shift-JIS) bytes into UTF-8: through iconv
// on the desktop, through the browser's own decoder in the page. One decoder
// holds one iconv handle for its whole life and closes it at the end; a
// machine without the CP932 table still gets U+FFFD for every byte instead
// of a failure.
class Cp932Decoder {
public:
    Cp932Decoder();
    ~Cp932Decoder();
    Cp932Decoder(const Cp932Decoder&) = delete;
    Cp932Decoder& operator=(const Cp932Decoder&) = delete;

    // Appends the UTF-8 form of `bytes` to `out`. A byte that starts no
    // character, or a lead byte cut off at the end, becomes U+FFFD and
    // decoding goes on after it; the result is then false.
    bool decode(std::string_view bytes, std::string& out);

private:
    bool open() const;

    [[maybe_unused]] void* handle_;  // the iconv handle; unused in the browser
};

} // namespace zol
