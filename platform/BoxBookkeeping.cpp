#include "platform/BoxBookkeeping.h"

#include "platform/Clock.h"
#include "platform/TimerHold.h"
#include "platform/HandlerGuard.h"

#include <utility>

namespace zol {

PendingBox BoxBookkeeping::request(const BoxRequest& box, std::function<void(int)> answered) {
    hold_.boxOpened();
    record_.boxOpened(clock_.nowMs(), box);
    return {box, std::move(answered), true};
}

PendingBox BoxBookkeeping::warning(const std::string& text, std::function<void()> then) {
    hold_.boxOpened();
    return {BoxRequest{text, kProgramCaption, BoxButtons::Ok, BoxIcon::Exclamation},
            [then = std::move(then)](int) { then(); }, false};
}

void BoxBookkeeping::answer(PendingBox pending, bool okChosen) {
    const int answer = boxAnswer(pending.box.buttons, okChosen);
    if (pending.traced) record_.boxAnswered(clock_.nowMs(), answer);
    guard_.run([&] { pending.answered(answer); });
    hold_.boxClosed();
}

bool BoxBookkeeping::anyOpen() const { return hold_.boxOpen(); }

} // namespace zol
