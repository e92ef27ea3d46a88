#include "play/ExplosionShow.h"

#include "platform/Clock.h"
#include "platform/TimerHold.h"
#include "play/Pixels.h"
#include "platform/HandlerGuard.h"

#include <utility>

namespace zol::play {

namespace {

// A circle costs as much time as five lines, so the blast grows visibly
// after the sweeps.
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
    totalCost_ = 0;
    for (std::size_t i = next_; i < strokes_.size(); ++i) totalCost_ += cost(strokes_[i]);
    costShown_ = 0;
    startedAt_ = clock_.nowMs();
    then_ = std::move(then);
    hold_.explosionStarted();
    started_();
}

void ExplosionShow::frame(const std::function<void(const Stroke&)>& paint) {
    if (!showing()) return;
    const std::int64_t elapsed = clock_.nowMs() - startedAt_;
    const bool over = elapsed >= kShowMs;
    const double due = totalCost_ * static_cast<double>(elapsed) / kShowMs;
    while (next_ < strokes_.size() && (over || costShown_ + cost(strokes_[next_]) <= due)) {
        const Stroke& stroke = strokes_[next_++];
        paint(stroke);
        costShown_ += cost(stroke);
    }
    if (!over) return;
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
