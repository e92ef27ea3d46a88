#include "win32/ExplosionCanvas.h"

#include "play/ExplosionShow.h"
#include "win32/Pixels.h"

#include <algorithm>
#include <cmath>

namespace zol::win32 {

namespace {

constexpr UINT_PTR kFrameTimer = 1;

// Holds a memory context on the surface for as long as it lives.
class Canvas {
public:
    explicit Canvas(HBITMAP surface)
        : dc_(CreateCompatibleDC(nullptr)),
          bitmapBefore_(SelectObject(dc_, surface)),
          brushBefore_(SelectObject(dc_, GetStockObject(NULL_BRUSH))) {}
    ~Canvas() {
        SelectObject(dc_, brushBefore_);
        SelectObject(dc_, bitmapBefore_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ bitmapBefore_, brushBefore_;
};

} // namespace

ExplosionCanvas::~ExplosionCanvas() {
    KillTimer(window_, kFrameTimer);
    if (surface_) DeleteObject(surface_);
}

int ExplosionCanvas::scaled(double pixels) const { return static_cast<int>(std::lround(pixels * dpi_ / kDefaultDpi)); }

void ExplosionCanvas::place(const RECT& stage, int drawingDpi, HBRUSH back) {
    if (EqualRect(&stage, &stage_) && drawingDpi == dpi_ && back == back_) return;
    stage_ = stage;
    dpi_ = drawingDpi;
    back_ = back;
    if (!surface_) return;
    makeSurface();
    const Canvas canvas(surface_);
    for (const play::Stroke& stroke : show_.shown()) paint(canvas.dc(), stroke);
}

void ExplosionCanvas::makeSurface() {
    if (surface_) DeleteObject(surface_);
    const RECT area{0, 0, stage_.right - stage_.left, stage_.bottom - stage_.top};
    const HDC screen = GetDC(window_);
    surface_ = CreateCompatibleBitmap(screen, area.right, area.bottom);
    ReleaseDC(window_, screen);
    const Canvas canvas(surface_);
    FillRect(canvas.dc(), &area, back_);
}

void ExplosionCanvas::start() {
    if (!surface_) makeSurface();
    SetTimer(window_, kFrameTimer, play::ExplosionShow::kFrameMs, nullptr);
}

// One pixel wide at 100 %, as wide as the scale makes a pixel.
void ExplosionCanvas::paint(HDC canvas, const play::Stroke& s) const {
    const HPEN pen = CreatePen(PS_SOLID, std::max(1, scaled(1)), colorRef(s.colour));
    const HGDIOBJ before = SelectObject(canvas, pen);
    if (s.isCircle) {
        const int r = scaled(s.x2);
        const int x = scaled(s.x1), y = scaled(s.y1);
        Ellipse(canvas, x - r, y - r, x + r + 1, y + r + 1);
    } else {
        MoveToEx(canvas, scaled(s.x1), scaled(s.y1), nullptr);
        LineTo(canvas, scaled(s.x2), scaled(s.y2));
        SetPixel(canvas, scaled(s.x2), scaled(s.y2), colorRef(s.colour));  // LineTo stops short of its end
    }
    SelectObject(canvas, before);
    DeleteObject(pen);
}

bool ExplosionCanvas::onTimer(UINT_PTR id) {
    if (id != kFrameTimer) return false;
    {
        const Canvas canvas(surface_);
        show_.frame([&](const play::Stroke& s) { paint(canvas.dc(), s); });
    }
    InvalidateRect(window_, &stage_, FALSE);
    if (!show_.showing()) KillTimer(window_, kFrameTimer);
    return true;
}

bool ExplosionCanvas::paintBackground(HDC target) const {
    if (!surface_) return false;
    const Canvas canvas(surface_);
    BitBlt(target, stage_.left, stage_.top, stage_.right - stage_.left, stage_.bottom - stage_.top, canvas.dc(), 0, 0,
           SRCCOPY);
    return true;
}

} // namespace zol::win32
