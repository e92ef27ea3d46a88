#include "window/PlayDrawing.h"

#include "platform/qt/Guarded.h"
#include "window/Twips.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

namespace zol::window {

namespace {

// The whole explosion takes about a second and a half at 60 frames a
// second; a circle costs as much time as five lines, so the blast grows
// visibly after the sweeps.
constexpr int kFrameMs = 16;
constexpr double kAnimationMs = 1500;
constexpr double kCircleCost = 5;

double cost(bool isCircle) { return isCircle ? kCircleCost : 1; }

} // namespace

PlayDrawing::PlayDrawing(QWidget& window, std::function<void(bool)> holdTimers)
    : window_(window), holdTimers_(std::move(holdTimers)) {
    frameTimer_.setTimerType(Qt::PreciseTimer);
    frameTimer_.setInterval(kFrameMs);
    QObject::connect(&frameTimer_, &QTimer::timeout, [this] { frame(); });
}

PlayDrawing::~PlayDrawing() {
    if (presenting()) holdTimers_(false);
}

void PlayDrawing::line(double x1, double y1, double x2, double y2, Rgb colour) {
    strokes_.push_back({false, x1, y1, x2, y2, colour});
}

void PlayDrawing::circle(double cx, double cy, double radius, Rgb colour) {
    strokes_.push_back({true, cx, cy, radius, 0, colour});
}

void PlayDrawing::present(std::function<void()> then) {
    const qreal dpr = window_.devicePixelRatioF();
    if (surface_.size() != window_.size() * dpr) {
        surface_ = QImage(window_.size() * dpr, QImage::Format_ARGB32_Premultiplied);
        surface_.setDevicePixelRatio(dpr);
        surface_.fill(Qt::transparent);
    }
    double total = 0;
    for (std::size_t i = shown_; i < strokes_.size(); ++i) total += cost(strokes_[i].isCircle);
    budgetPerFrame_ = total / (kAnimationMs / kFrameMs);
    then_ = std::move(then);
    holdTimers_(true);
    frameTimer_.start();
}

void PlayDrawing::paint(const Stroke& s, QPainter& painter) const {
    painter.setPen(QPen(qcolor(s.colour), 1));
    if (s.isCircle) {
        const double r = s.x2 / kTwipsPerPixel;
        painter.drawEllipse(QPointF(s.x1 / kTwipsPerPixel, s.y1 / kTwipsPerPixel), r, r);
    } else {
        painter.drawLine(QPointF(s.x1 / kTwipsPerPixel, s.y1 / kTwipsPerPixel),
                         QPointF(s.x2 / kTwipsPerPixel, s.y2 / kTwipsPerPixel));
    }
}

void PlayDrawing::frame() {
    {
        QPainter painter(&surface_);
        double spent = 0;
        while (shown_ < strokes_.size() && spent < budgetPerFrame_) {
            paint(strokes_[shown_], painter);
            spent += cost(strokes_[shown_].isCircle);
            ++shown_;
        }
    }
    window_.update();
    if (shown_ < strokes_.size()) return;
    frameTimer_.stop();
    holdTimers_(false);
    if (auto then = std::exchange(then_, nullptr)) qt::guarded(then);
}

} // namespace zol::window
