#pragma once

#include <QImage>
#include <QTimer>

class QWidget;

namespace zol::play {
class ExplosionShow;
}

namespace zol::window {

// The play window's own surface, behind its controls, where the explosion
// shows: each frame paints the strokes the game hands out for it. The
// surface stays until the window goes, so a repaint shows it too.
class ExplosionCanvas {
public:
    ExplosionCanvas(QWidget& window, play::ExplosionShow& show);

    void start();
    const QImage& image() const { return image_; }

private:
    void frame();

    QWidget& window_;
    play::ExplosionShow& show_;
    QImage image_;
    QTimer frameTimer_;
};

} // namespace zol::window
