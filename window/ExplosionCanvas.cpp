#include "window/ExplosionCanvas.h"

#include "play/ExplosionShow.h"
#include "window/QtPixels.h"

#include <QPainter>
#include <QWidget>

namespace zol::window {

ExplosionCanvas::ExplosionCanvas(QWidget& window, play::ExplosionShow& show) : window_(window), show_(show) {
    frameTimer_.setTimerType(Qt::PreciseTimer);
    frameTimer_.setInterval(play::ExplosionShow::kFrameMs);
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { frame(); });
}

void ExplosionCanvas::start() {
    const qreal dpr = window_.devicePixelRatioF();
    if (image_.size() != window_.size() * dpr) {
        image_ = QImage(window_.size() * dpr, QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(dpr);
        image_.fill(Qt::transparent);
    }
    frameTimer_.start();
}

void ExplosionCanvas::frame() {
    {
        QPainter painter(&image_);
        show_.frame([&](const play::Stroke& s) {
            painter.setPen(QPen(qcolor(s.colour), 1));
            if (s.isCircle) {
                painter.drawEllipse(QPointF(s.x1, s.y1), s.x2, s.x2);
            } else {
                painter.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
            }
        });
    }
    window_.update();
    if (!show_.showing()) frameTimer_.stop();
}

} // namespace zol::window
