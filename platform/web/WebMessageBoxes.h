#pragma once

#include "platform/BoxBookkeeping.h"
#include "platform/MessageBoxes.h"

#include <functional>
#include <optional>
#include <utility>

namespace zol::web {

// Message boxes as the page's modal <dialog>: one at a time, with the
// designed caption, text and buttons; an open box holds the timers. The page
// reports the answer through `answered`, which runs the game's handler
// through the handler guard. A warning is a box with OK only and the
// program's name as its caption, not traced.
class WebMessageBoxes : public MessageBoxes {
public:
    WebMessageBoxes(TimerHold& hold, HandlerGuard& guard, BoxRecord& record, const Clock& clock)
        : bookkeeping_(hold, guard, record, clock) {}

    void open(const BoxRequest& box, std::function<void(int)> answered) override;
    bool isOpen() const override { return shown_.has_value(); }
    void warn(const std::string& text, std::function<void()> then) override;
    void answerFront(bool defaultButton) override;
    // Who takes the answer of a box the program closes itself (a pad's
    // button): the page records it as the player's answer before the game
    // hears it. Without one the box is answered at once.
    void onFrontAnswer(std::function<void(bool okChosen)> take) { frontAnswer_ = std::move(take); }

    // The open box is a warning, which the trace does not show.
    bool showsWarning() const { return shown_ && !shown_->traced; }
    // The page's dialog closed, with OK chosen or not.
    void answered(bool okChosen);

private:
    void show(PendingBox pending);

    BoxBookkeeping bookkeeping_;
    std::optional<PendingBox> shown_;
    std::function<void(bool)> frontAnswer_;
};

} // namespace zol::web
