#pragma once

#include "platform/win32/SystemHeaders.h"

namespace zol::play {
class ExplosionShow;
struct Stroke;
}

namespace zol::win32 {

// The play window's own surface under the scene, where the explosion
// shows: it covers the screen's stage, starts as the window's back colour,
// and each frame (a system timer of the window, whichever message loop
// delivers it) paints the strokes the game hands out for it. The surface
// stays until the window goes, so a repaint shows it too; a new scale
// makes it anew with every stroke shown so far.
class ExplosionCanvas {
public:
    ExplosionCanvas(HWND window, play::ExplosionShow& show) : window_(window), show_(show) {}
    ~ExplosionCanvas();
    ExplosionCanvas(const ExplosionCanvas&) = delete;
    ExplosionCanvas& operator=(const ExplosionCanvas&) = delete;

    // Where the stage is in the window, and the density strokes are drawn at.
    void place(const RECT& stage, int drawingDpi, HBRUSH back);
    void start();
    // The frame timer's message; true when it was this canvas's.
    bool onTimer(UINT_PTR id);
    // Copies the surface onto the stage; false before any.
    bool paintBackground(HDC target) const;

private:
    void makeSurface();
    void paint(HDC canvas, const play::Stroke& stroke) const;
    int scaled(double pixels) const;

    HWND window_;
    play::ExplosionShow& show_;
    HBITMAP surface_ = nullptr;
    RECT stage_{};
    int dpi_ = 96;
    HBRUSH back_ = nullptr;
};

} // namespace zol::win32
