#pragma once

#include "play/PlayScene.h"
#include "win32/ExplosionCanvas.h"
#include "win32/Fonts.h"
#include "win32/FormWindow.h"
#include "win32/Sprites.h"

#include <vector>

namespace zol {
class FrontEnd;
}

namespace zol::win32 {

// The play screen's window: it paints the game's scene with GDI at the
// window's scale and hands the keyboard to the game; it owns no rule.
class PlayWindow : public FormWindow {
public:
    explicit PlayWindow(FrontEnd& game);

    void repaint(const std::vector<play::PixelRect>& damage);
    void startExplosion() { explosion_.start(); }

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void rescaled() override;

private:
    void prepareSprites();
    void paint();
    // `damaged`, when known, holds the parts of `dirty` to paint.
    void paintScene(HDC target, const RECT& dirty, HRGN damaged);

    FrontEnd& game_;
    Fonts fonts_;
    Sprites sprites_;
    ExplosionCanvas explosion_;
};

} // namespace zol::win32
