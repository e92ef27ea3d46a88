#include "platform/BoxBookkeeping.h"

#include "platform/Clock.h"
#include "platform/TimerHold.h"
#include "shell/HandlerGuard.h"
#include "trace/BoxEvents.h"
#include "trace/Trace.h"

#include <utility>

namespace zol {

PendingBox BoxBookkeeping::request(const BoxRequest& box, std::function<void(int)> answered) {
    hold_.boxOpened();
    if (trace_.enabled()) trace_.write(msgboxEvent(clock_.nowMs(), box));
    return {box, std::move(answered), true};
}

PendingBox BoxBookkeeping::warning(const std::string& text, std::function<void()> then) {
    hold_.boxOpened();
    return {BoxRequest{text, kProgramCaption, BoxButtons::Ok, BoxIcon::Exclamation},
            [then = std::move(then)](int) { then(); }, false};
}

void BoxBookkeeping::answer(PendingBox pending, bool okChosen) {
    const int answer = boxAnswer(pending.box.buttons, okChosen);
    if (pending.traced && trace_.enabled()) trace_.write(answerEvent(clock_.nowMs(), answer));
    guard_.run([&] { pending.answered(answer); });
    hold_.boxClosed();
}

bool BoxBookkeeping::anyOpen() const { return hold_.boxOpen(); }

} // namespace zol
