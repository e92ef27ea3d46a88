#include "win32/PlayWindow.h"

#include "play/PlayRules.h"
#include "shell/FrontEnd.h"
#include "win32/KeyCodes.h"
#include "win32/LabelView.h"

namespace zol::win32 {

using namespace play;

PlayWindow::PlayWindow(FrontEnd& game)
    : FormWindow(ScreenId::Play, kCaption, kBackColor, true), game_(game), explosion_(hwnd(), game.explosion()) {}

void PlayWindow::rescaled() {
    prepareSprites();
    explosion_.place(stage(), drawingDpi(), backBrush());
}

// Every picture is scaled now, not in the middle of play: a walker's first
// crush would otherwise cost its tick the scaling.
void PlayWindow::prepareSprites() {
    const HDC screen = GetDC(hwnd());
    const HDC scratch = CreateCompatibleDC(screen);
    const HBITMAP surface = CreateCompatibleBitmap(screen, 1, 1);
    const HGDIOBJ before = SelectObject(scratch, surface);
    sprites_.drawMeteorite(scratch, toDevice(kMeteorBox));
    for (int frame = 0; frame < play::kWalkerPictures; ++frame)
        sprites_.drawWalker(scratch, frame, toDevice(kWalkerBoxes[0]));
    SelectObject(scratch, before);
    DeleteObject(surface);
    DeleteDC(scratch);
    ReleaseDC(hwnd(), screen);
}

void PlayWindow::repaint(const std::vector<PixelRect>& damage) {
    for (const PixelRect& r : damage) {
        const RECT dirty = toDevice(r);
        InvalidateRect(hwnd(), &dirty, FALSE);
    }
}

// From the back to the front, into a bitmap first, so nothing flickers;
// only the damaged parts, not the whole rectangle around them: the
// walkers' steps are spread over the width of the window.
void PlayWindow::paint() {
    // Read before BeginPaint, which empties it.
    const HRGN damaged = CreateRectRgn(0, 0, 0, 0);
    const bool parts = GetUpdateRgn(hwnd(), damaged, FALSE) > NULLREGION;
    PAINTSTRUCT ps;
    const HDC target = BeginPaint(hwnd(), &ps);
    const RECT& dirty = ps.rcPaint;
    const int width = dirty.right - dirty.left, height = dirty.bottom - dirty.top;
    if (width > 0 && height > 0) {
        const HDC buffer = CreateCompatibleDC(target);
        const HBITMAP surface = CreateCompatibleBitmap(target, width, height);
        const HGDIOBJ before = SelectObject(buffer, surface);
        SetViewportOrgEx(buffer, -dirty.left, -dirty.top, nullptr);
        if (parts) {
            // A clip region is in the bitmap's own pixels.
            OffsetRgn(damaged, -dirty.left, -dirty.top);
            SelectClipRgn(buffer, damaged);
            OffsetRgn(damaged, dirty.left, dirty.top);
        }
        paintScene(buffer, dirty, parts ? damaged : nullptr);
        BitBlt(target, dirty.left, dirty.top, width, height, buffer, dirty.left, dirty.top, SRCCOPY);
        SelectObject(buffer, before);
        DeleteObject(surface);
        DeleteDC(buffer);
    }
    EndPaint(hwnd(), &ps);
    DeleteObject(damaged);
}

// Pictures and text are made at the scale they are drawn at: pictures
// multiplied whole, text sharp.
void PlayWindow::paintScene(HDC target, const RECT& dirty, HRGN damaged) {
    paintBorder(target);
    // What stands off the screen (a walker yet to come in, the banner
    // waiting at the left) stays off it, as the window's edge hides it.
    const RECT screen = stage();
    IntersectClipRect(target, screen.left, screen.top, screen.right, screen.bottom);
    if (!explosion_.paintBackground(target)) FillRect(target, &screen, backBrush());
    for (const SceneItem& item : game_.playScene()) {
        const RECT r = toDevice(item.rect);
        RECT overlap;
        if (!IntersectRect(&overlap, &r, &dirty) || (damaged && !RectInRegion(damaged, &r))) continue;
        switch (item.kind) {
        case SceneItem::Kind::Meteorite: sprites_.drawMeteorite(target, r); break;
        case SceneItem::Kind::Walker: sprites_.drawWalker(target, item.walkerFrame, r); break;
        case SceneItem::Kind::Label: paintLabel(target, item, r, fonts_, drawingDpi()); break;
        }
    }
}

LRESULT PlayWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers everything
    case WM_KEYDOWN: game_.keyDown(InputSource::keyboard(), gameKey(wParam), isAutoRepeat(lParam)); return 0;
    case WM_KEYUP: game_.keyUp(InputSource::keyboard(), gameKey(wParam), false); return 0;
    // Without the keyboard the window would never see a release: no key sticks.
    case WM_KILLFOCUS: game_.inputLost(); break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) game_.inputLost();
        break;
    case WM_TIMER:
        if (explosion_.onTimer(wParam)) return 0;
        break;
    // The close box unloads the play screen; the program decides what goes.
    case WM_CLOSE: game_.closePressed(ScreenId::Play); return 0;
    }
    return FormWindow::onMessage(message, wParam, lParam);
}

} // namespace zol::win32
