#include "window/ExplosionCanvas.h"

#include "play/ExplosionShow.h"
#include "shell/DisplayMode.h"
#include "window/QtPixels.h"

#include <QPainter>
#include <QWidget>

namespace zol::window {

ExplosionCanvas::ExplosionCanvas(QWidget& window, play::ExplosionShow& show, qreal ratio)
    : window_(window), show_(show), ratio_(ratio) {
    frameTimer_.setTimerType(Qt::PreciseTimer);
    frameTimer_.setInterval(play::ExplosionShow::kFrameMs);
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { frame(); });
}

void ExplosionCanvas::start() {
    const PixelSize designed = designedSize(ScreenId::Play);
    const QSize pixels = QSize(designed.width, designed.height) * ratio_;
    if (image_.size() != pixels) {
        image_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(ratio_);
        image_.fill(Qt::transparent);
    }
    frameTimer_.start();
}

void ExplosionCanvas::rescale(qreal ratio) {
    if (ratio == ratio_) return;
    ratio_ = ratio;
    if (image_.isNull()) return;
    image_ = QImage();
    const bool running = frameTimer_.isActive();
    start();
    if (!running) frameTimer_.stop();
    QPainter painter(&image_);
    for (const play::Stroke& stroke : show_.shown()) paint(painter, stroke);
}

void ExplosionCanvas::paint(QPainter& painter, const play::Stroke& s) {
    painter.setPen(QPen(qcolor(s.colour), 1));
    if (s.isCircle) {
        painter.drawEllipse(QPointF(s.x1, s.y1), s.x2, s.x2);
    } else {
        painter.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
    }
}

void ExplosionCanvas::frame() {
    {
        QPainter painter(&image_);
        show_.frame([&](const play::Stroke& s) { paint(painter, s); });
    }
    window_.update();
    if (!show_.showing()) frameTimer_.stop();
}

} // namespace zol::window
