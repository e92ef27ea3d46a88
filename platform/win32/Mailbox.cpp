#include "platform/win32/Mailbox.h"

namespace zol::win32 {

namespace {

constexpr UINT kDeliverMessage = WM_APP + 1;

} // namespace

Mailbox::Mailbox(std::function<void()> deliver)
    : deliver_(std::move(deliver)), window_([this](UINT message, WPARAM, LPARAM) {
          if (message != kDeliverMessage) return false;
          deliver_();
          return true;
      }) {}

void Mailbox::post() { PostMessageW(window_.hwnd(), kDeliverMessage, 0, 0); }

} // namespace zol::win32
