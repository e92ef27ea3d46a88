#pragma once

#include "platform/Drawing.h"

#include <QImage>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

namespace zol::window {

// The play screen's own surface, behind its controls. What the game draws is
// collected, then shown stroke by stroke as a short animation a player can
// follow; the timers of the game are held meanwhile.
class PlayDrawing : public Drawing {
public:
    PlayDrawing(QWidget& window, std::function<void(bool)> holdTimers);
    // A window closed in the middle of the animation lets the timers go.
    ~PlayDrawing() override;

    void line(double x1, double y1, double x2, double y2, Rgb colour) override;
    void circle(double cx, double cy, double radius, Rgb colour) override;
    void present(std::function<void()> then) override;

    const QImage& surface() const { return surface_; }
    bool presenting() const { return frameTimer_.isActive(); }

private:
    struct Stroke {
        bool isCircle;
        double x1, y1, x2, y2;  // a circle keeps its radius in x2
        Rgb colour;
    };

    void frame();
    void paint(const Stroke& stroke, class QPainter& painter) const;

    QWidget& window_;
    std::function<void(bool)> holdTimers_;
    QImage surface_;
    QTimer frameTimer_;
    std::vector<Stroke> strokes_;
    std::size_t shown_ = 0;
    double budgetPerFrame_ = 0;
    std::function<void()> then_;
};

} // namespace zol::window
