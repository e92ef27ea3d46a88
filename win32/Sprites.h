#pragma once

#include "platform/win32/SystemHeaders.h"

#include <map>
#include <tuple>

namespace zol::win32 {

// The game's pictures as bitmaps with alpha, scaled without blur to the
// device pixels they are shown at, kept once made, and drawn over what is
// behind them.
class Sprites {
public:
    Sprites();
    ~Sprites();
    Sprites(const Sprites&) = delete;
    Sprites& operator=(const Sprites&) = delete;

    void drawMeteorite(HDC target, const RECT& where);
    void drawWalker(HDC target, int frame, const RECT& where);
    void drawTitleIcon(HDC target, const RECT& where);

private:
    void draw(HDC target, int key, const char* const* xpm, const RECT& where);

    std::map<std::tuple<int, int, int>, HBITMAP> made_;
    // The memory context a picture is drawn from, made once, not at every
    // paint of every picture.
    HDC source_;
    HGDIOBJ sourceDefault_;
};

} // namespace zol::win32
