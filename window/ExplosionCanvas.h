#pragma once

#include <QImage>
#include <QTimer>

class QPainter;
class QWidget;

namespace zol::play {
class ExplosionShow;
struct Stroke;
}

namespace zol::window {

// The play window's own surface, behind its controls, where the explosion
// shows: each frame paints the strokes the game hands out for it, in the
// screen's designed pixels. The surface stays until the window goes, so a
// repaint shows it too.
class ExplosionCanvas {
public:
    // `ratio`: device pixels per designed pixel.
    ExplosionCanvas(QWidget& window, play::ExplosionShow& show, qreal ratio);

    void start();
    // The window's scale changed: the surface is made anew at the new ratio
    // with everything shown so far.
    void rescale(qreal ratio);
    const QImage& image() const { return image_; }

private:
    void frame();
    void paint(QPainter& painter, const play::Stroke& stroke);

    QWidget& window_;
    play::ExplosionShow& show_;
    qreal ratio_;
    QImage image_;
    QTimer frameTimer_;
};

} // namespace zol::window
