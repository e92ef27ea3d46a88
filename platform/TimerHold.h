#pragma once

#include <functional>
#include <utility>

namespace zol {

// Who keeps the game's timers from running: the message boxes that are
// open, and the explosion while it is being shown. While anything holds
// them no timer event runs; events that fall due meanwhile are dropped, and
// each timer goes on at its next scheduled time once the last holder lets
// go. The timer service owns the hold and hears when it is let go.
class TimerHold {
public:
    explicit TimerHold(std::function<void()> released = {}) : released_(std::move(released)) {}
    TimerHold(const TimerHold&) = delete;
    TimerHold& operator=(const TimerHold&) = delete;

    void boxOpened() {
        ++openBoxes_;
        ++timesTaken_;
    }
    void boxClosed() {
        if (openBoxes_ > 0) --openBoxes_;
        letGo();
    }
    void explosionStarted() {
        explosion_ = true;
        ++timesTaken_;
    }
    void explosionEnded() {
        explosion_ = false;
        letGo();
    }

    bool held() const { return openBoxes_ > 0 || explosion_; }
    bool boxOpen() const { return openBoxes_ > 0; }
    bool explosionShown() const { return explosion_; }
    // How often a box or the explosion has taken the hold: whoever keeps
    // state across it can tell that the game let go of its keys meanwhile.
    unsigned timesTaken() const { return timesTaken_; }

private:
    void letGo() {
        if (!held() && released_) released_();
    }

    std::function<void()> released_;
    int openBoxes_ = 0;
    bool explosion_ = false;
    unsigned timesTaken_ = 0;
};

} // namespace zol
