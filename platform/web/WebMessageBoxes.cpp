#include "platform/web/WebMessageBoxes.h"

#include "platform/Clock.h"
#include "platform/TimerHold.h"
#include "shell/HandlerGuard.h"
#include "trace/BoxEvents.h"
#include "trace/Trace.h"

#include <utility>

extern "C" void zolbas_box_show(const char* text, const char* caption, int okCancel, int warning);

namespace zol::web {

namespace {

constexpr const char* kProgramName = "ゾルバス";

} // namespace

void WebMessageBoxes::show(const MessageBox& box, Shown shown) {
    shown_ = std::move(shown);
    hold_.boxOpened();
    zolbas_box_show(box.text.c_str(), box.caption.c_str(), box.buttons == BoxButtons::OkCancel,
                    box.icon == BoxIcon::Exclamation);
}

void WebMessageBoxes::open(const MessageBox& box, std::function<void(int)> answered) {
    if (trace_.enabled()) trace_.write(msgboxEvent(clock_.nowMs(), box));
    show(box, Shown{box.buttons, true, std::move(answered)});
}

void WebMessageBoxes::warn(const std::string& text, std::function<void()> then) {
    show(MessageBox{text, kProgramName, BoxButtons::Ok, BoxIcon::Exclamation},
         Shown{BoxButtons::Ok, false, [then = std::move(then)](int) { then(); }});
}

void WebMessageBoxes::answered(bool okChosen) {
    if (!shown_) return;
    Shown shown = std::move(*shown_);
    shown_.reset();
    const int answer = boxAnswer(shown.buttons, okChosen);
    if (shown.traced && trace_.enabled()) trace_.write(answerEvent(clock_.nowMs(), answer));
    // The handler may open the next box at once.
    guard_.run([&] { shown.then(answer); });
    hold_.boxClosed();
}

} // namespace zol::web
