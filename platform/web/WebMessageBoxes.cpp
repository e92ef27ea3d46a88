#include "platform/web/WebMessageBoxes.h"

#include <utility>

extern "C" void zolbas_box_show(const char* text, const char* caption, int okCancel, int warning);
extern "C" void zolbas_box_hide();

namespace zol::web {

void WebMessageBoxes::show(PendingBox pending) {
    const BoxRequest& box = pending.box;
    zolbas_box_show(box.text.c_str(), box.caption.c_str(), box.buttons == BoxButtons::OkCancel,
                    box.icon == BoxIcon::Exclamation);
    shown_ = std::move(pending);
}

void WebMessageBoxes::open(const BoxRequest& box, std::function<void(int)> answered) {
    show(bookkeeping_.request(box, std::move(answered)));
}

void WebMessageBoxes::warn(const std::string& text, std::function<void()> then) {
    show(bookkeeping_.warning(text, std::move(then)));
}

void WebMessageBoxes::answerFront(bool defaultButton) {
    if (!shown_) return;
    zolbas_box_hide();
    if (frontAnswer_) frontAnswer_(defaultButton);
    else answered(defaultButton);
}

void WebMessageBoxes::answered(bool okChosen) {
    if (!shown_) return;
    PendingBox shown = std::move(*shown_);
    shown_.reset();
    bookkeeping_.answer(std::move(shown), okChosen);
}

} // namespace zol::web
