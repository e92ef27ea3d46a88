#pragma once

#include "platform/Drawing.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace zol {

class Clock;
class HandlerGuard;
class TimerHold;

namespace play {

// A line, or a circle's outline, one pixel wide, in pixels at 100 % scale.
struct Stroke {
    bool isCircle = false;
    double x1 = 0, y1 = 0;  // a line's start, a circle's centre
    double x2 = 0, y2 = 0;  // a line's end; a circle keeps its radius in x2
    Rgb colour;
};

// The explosion as a windowed front end shows it: the game draws every
// stroke at once, and the show hands them out as the clock runs, so that a
// player can follow it grow for a second and a half however often, or late,
// the front end asks. The timers are held meanwhile; the frame that reaches
// the end lets them go and the game goes on.
class ExplosionShow : public Drawing {
public:
    // A front end asks for a frame about this often.
    static constexpr int kFrameMs = 16;
    // The whole show takes this long.
    static constexpr std::int64_t kShowMs = 1500;

    // `started` tells the front end to ask for frames.
    ExplosionShow(const Clock& clock, TimerHold& hold, HandlerGuard& guard, std::function<void()> started)
        : clock_(clock), hold_(hold), guard_(guard), started_(std::move(started)) {}
    // A show that is dropped midway (its screen closed) lets the timers go.
    ~ExplosionShow() override;
    ExplosionShow(const ExplosionShow&) = delete;
    ExplosionShow& operator=(const ExplosionShow&) = delete;

    void line(double x1, double y1, double x2, double y2, Rgb colour) override;
    void circle(double cx, double cy, double radius, Rgb colour) override;
    void present(std::function<void()> then) override;

    bool showing() const { return then_ != nullptr; }
    // Paints the strokes due by now that are not painted yet; once the
    // show's time is up the show ends and the game goes on.
    void frame(const std::function<void(const Stroke&)>& paint);
    // Every stroke shown so far, for a front end that repaints from nothing.
    std::span<const Stroke> shown() const { return {strokes_.data(), next_}; }
    // The screen went: nothing more to show, the timers go.
    void drop();

private:
    const Clock& clock_;
    TimerHold& hold_;
    HandlerGuard& guard_;
    std::function<void()> started_;
    std::vector<Stroke> strokes_;
    std::size_t next_ = 0;
    std::int64_t startedAt_ = 0;
    double totalCost_ = 0;  // of the strokes still to show when it started
    double costShown_ = 0;  // of those painted since
    std::function<void()> then_;
};

} // namespace play
} // namespace zol
