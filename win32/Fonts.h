#pragma once

#include "platform/win32/SystemHeaders.h"
#include "play/PlayLayout.h"

#include <map>
#include <string>

namespace zol::win32 {

// The designed fonts as GDI fonts, made once per size and density. The
// designed Japanese faces come with Japanese Windows; where one is missing
// another Japanese face of the same kind stands in (Gothic or Mincho), and
// the Japanese character set keeps the system's font mapper from ever
// choosing a face without Japanese glyphs.
class Fonts {
public:
    Fonts() = default;
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    HFONT font(const play::Font& font, int dpi, bool underline = false);

private:
    std::map<std::wstring, HFONT> made_;
};

// The face that shows a designed family here.
std::wstring faceFor(const char* family);

} // namespace zol::win32
