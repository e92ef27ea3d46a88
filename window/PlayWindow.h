#pragma once

#include "play/PlayScene.h"
#include "window/ExplosionCanvas.h"
#include "window/FormWindow.h"
#include "window/LabelView.h"
#include "window/Sprites.h"

#include <array>
#include <vector>

namespace zol {
class FrontEnd;
}

namespace zol::window {

// The play screen's window: it paints the game's scene and hands the
// keyboard to the game; it owns no rule.
class PlayWindow : public FormWindow {
public:
    explicit PlayWindow(FrontEnd& game);

    void repaint(const std::vector<play::PixelRect>& damage);
    void startExplosion() { explosion_.start(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void rescaled() override;

private:
    // The pictures at the scale they are drawn at, made before they are
    // needed.
    void prepareSprites();
    void paintArea(QPainter& p, const QRect& area);
    qreal pictureRatio() const { return devicePixelRatioF() * scale().factor; }

    FrontEnd& game_;
    Sprites sprites_;
    ExplosionCanvas explosion_;
    // One view a label, in the order the scene lists the labels.
    std::vector<LabelView> labels_;
};

} // namespace zol::window
