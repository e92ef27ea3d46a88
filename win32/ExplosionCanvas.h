#pragma once

#include "platform/win32/SystemHeaders.h"

namespace zol::play {
class ExplosionShow;
}

namespace zol::win32 {

// The play window's own surface, behind its controls, where the explosion
// shows: it starts as the window's back colour, and each frame (a system
// timer of the window, whichever message loop delivers it) paints the
// strokes the game hands out for it. The surface stays until the window
// goes, so a repaint shows it too.
class ExplosionCanvas {
public:
    ExplosionCanvas(HWND window, play::ExplosionShow& show) : window_(window), show_(show) {}
    ~ExplosionCanvas();
    ExplosionCanvas(const ExplosionCanvas&) = delete;
    ExplosionCanvas& operator=(const ExplosionCanvas&) = delete;

    void start(HBRUSH back, int dpi);
    // The frame timer's message; true when it was this canvas's.
    bool onTimer(UINT_PTR id);
    // Copies the surface as the window's background; false before any.
    bool paintBackground(HDC target) const;

private:
    HWND window_;
    play::ExplosionShow& show_;
    HBITMAP surface_ = nullptr;
    SIZE size_{};
    int dpi_ = 96;
};

} // namespace zol::win32
