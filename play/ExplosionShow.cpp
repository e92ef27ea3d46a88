#include "play/ExplosionShow.h"

#include "platform/TimerHold.h"
#include "play/Pixels.h"
#include "shell/HandlerGuard.h"

#include <utility>

namespace zol::play {

namespace {

// The whole show takes about this long; a circle costs as much time as
// five lines, so the blast grows visibly after the sweeps.
constexpr double kShowMs = 1500;
constexpr double kCircleCost = 5;

double cost(const Stroke& s) { return s.isCircle ? kCircleCost : 1; }

} // namespace

ExplosionShow::~ExplosionShow() {
    if (showing()) hold_.explosionEnded();
}

void ExplosionShow::line(double x1, double y1, double x2, double y2, Rgb colour) {
    strokes_.push_back({false, x1 / kTwipsPerPixel, y1 / kTwipsPerPixel, x2 / kTwipsPerPixel, y2 / kTwipsPerPixel,
                        colour});
}

void ExplosionShow::circle(double cx, double cy, double radius, Rgb colour) {
    strokes_.push_back({true, cx / kTwipsPerPixel, cy / kTwipsPerPixel, radius / kTwipsPerPixel, 0, colour});
}

void ExplosionShow::present(std::function<void()> then) {
    double total = 0;
    for (std::size_t i = next_; i < strokes_.size(); ++i) total += cost(strokes_[i]);
    budgetPerFrame_ = total / (kShowMs / kFrameMs);
    then_ = std::move(then);
    hold_.explosionStarted();
    started_();
}

void ExplosionShow::frame(const std::function<void(const Stroke&)>& paint) {
    if (!showing()) return;
    double spent = 0;
    while (next_ < strokes_.size() && spent < budgetPerFrame_) {
        const Stroke& stroke = strokes_[next_++];
        paint(stroke);
        spent += cost(stroke);
    }
    if (next_ < strokes_.size()) return;
    auto then = std::exchange(then_, nullptr);
    hold_.explosionEnded();
    guard_.run(then);
}

void ExplosionShow::drop() {
    strokes_.clear();
    next_ = 0;
    if (std::exchange(then_, nullptr)) hold_.explosionEnded();
}

} // namespace zol::play
