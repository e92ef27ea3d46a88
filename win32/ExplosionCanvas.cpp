#include "win32/ExplosionCanvas.h"

#include "play/ExplosionShow.h"
#include "win32/Pixels.h"

#include <cmath>

namespace zol::win32 {

namespace {

constexpr UINT_PTR kFrameTimer = 1;

int scaled(double pixels, int dpi) { return static_cast<int>(std::lround(pixels * dpi / kDefaultDpi)); }

} // namespace

ExplosionCanvas::~ExplosionCanvas() {
    KillTimer(window_, kFrameTimer);
    if (surface_) DeleteObject(surface_);
}

void ExplosionCanvas::start(HBRUSH back, int dpi) {
    RECT client;
    GetClientRect(window_, &client);
    if (!surface_ || size_.cx != client.right || size_.cy != client.bottom || dpi_ != dpi) {
        if (surface_) DeleteObject(surface_);
        const HDC screen = GetDC(window_);
        surface_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(window_, screen);
        size_ = {client.right, client.bottom};
        dpi_ = dpi;
        const HDC canvas = CreateCompatibleDC(nullptr);
        const HGDIOBJ before = SelectObject(canvas, surface_);
        FillRect(canvas, &client, back);
        SelectObject(canvas, before);
        DeleteDC(canvas);
    }
    SetTimer(window_, kFrameTimer, play::ExplosionShow::kFrameMs, nullptr);
}

bool ExplosionCanvas::onTimer(UINT_PTR id) {
    if (id != kFrameTimer) return false;
    const HDC canvas = CreateCompatibleDC(nullptr);
    const HGDIOBJ bitmapBefore = SelectObject(canvas, surface_);
    const HGDIOBJ brushBefore = SelectObject(canvas, GetStockObject(NULL_BRUSH));
    show_.frame([&](const play::Stroke& s) {
        const HPEN pen = CreatePen(PS_SOLID, 1, colorRef(s.colour));
        const HGDIOBJ penBefore = SelectObject(canvas, pen);
        if (s.isCircle) {
            const int r = scaled(s.x2, dpi_);
            const int x = scaled(s.x1, dpi_), y = scaled(s.y1, dpi_);
            Ellipse(canvas, x - r, y - r, x + r + 1, y + r + 1);
        } else {
            MoveToEx(canvas, scaled(s.x1, dpi_), scaled(s.y1, dpi_), nullptr);
            LineTo(canvas, scaled(s.x2, dpi_), scaled(s.y2, dpi_));
            SetPixel(canvas, scaled(s.x2, dpi_), scaled(s.y2, dpi_), colorRef(s.colour));  // LineTo stops short of its end
        }
        SelectObject(canvas, penBefore);
        DeleteObject(pen);
    });
    SelectObject(canvas, brushBefore);
    SelectObject(canvas, bitmapBefore);
    DeleteDC(canvas);
    InvalidateRect(window_, nullptr, FALSE);
    if (!show_.showing()) KillTimer(window_, kFrameTimer);
    return true;
}

bool ExplosionCanvas::paintBackground(HDC target) const {
    if (!surface_) return false;
    const HDC canvas = CreateCompatibleDC(target);
    const HGDIOBJ before = SelectObject(canvas, surface_);
    BitBlt(target, 0, 0, size_.cx, size_.cy, canvas, 0, 0, SRCCOPY);
    SelectObject(canvas, before);
    DeleteDC(canvas);
    return true;
}

} // namespace zol::win32
