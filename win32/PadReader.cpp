#include "win32/PadReader.h"

#include "platform/win32/XInputPads.h"
#include "shell/FrontEnd.h"
#include "win32/Foreground.h"

#include <dbt.h>

#include <algorithm>

namespace zol::win32 {

namespace {

constexpr UINT_PTR kReadTimer = 1;
constexpr UINT_PTR kSettleTimer = 2;

} // namespace

PadReader::PadReader(FrontEnd& game, PadSource& pads)
    : game_(game),
      pads_(pads),
      active_(gameWindowInFront() != nullptr),
      window_([this](UINT message, WPARAM wParam, LPARAM) { return onMessage(message, wParam); }) {
    // Every kind of device: a pad's driver decides which kinds it shows as.
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    devices_ = RegisterDeviceNotificationW(window_.hwnd(), &filter,
                                           DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
    lookForPads();
}

PadReader::~PadReader() {
    if (devices_) UnregisterDeviceNotification(devices_);
    KillTimer(window_.hwnd(), kReadTimer);
    KillTimer(window_.hwnd(), kSettleTimer);
}

void PadReader::appActivated(bool active) {
    active_ = active;
    if (active) lookForPads();
    else followActivity();
}

bool PadReader::onMessage(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_DEVICECHANGE:
        lookForPads();
        SetTimer(window_.hwnd(), kSettleTimer, kSettleMs, nullptr);
        return false;  // the system's answer stays its default
    case WM_TIMER:
        if (wParam == kReadTimer) readConnected();
        if (wParam == kSettleTimer) {
            KillTimer(window_.hwnd(), kSettleTimer);
            lookForPads();
        }
        return true;
    }
    return false;
}

// Every slot, connected or not: a call XInput answers slowly for an empty
// slot, so it is made only when something may have changed.
void PadReader::lookForPads() {
    for (int slot = 0; slot < PadSource::kSlots; ++slot) {
        const bool now = pads_.state(slot).has_value();
        if (connected_[slot] && !now) game_.padGone(slot);
        connected_[slot] = now;
    }
    followActivity();
}

void PadReader::readConnected() {
    for (int slot = 0; slot < PadSource::kSlots; ++slot) {
        if (!connected_[slot]) continue;
        if (const auto state = pads_.state(slot)) {
            game_.padRead(slot, padReading(*state));
        } else {
            connected_[slot] = false;
            game_.padGone(slot);
        }
    }
    followActivity();
}

// A pad counts only while one of the game's windows is active: another
// program's pad stays its own, and what it held is let go.
void PadReader::followActivity() {
    if (active_ && std::ranges::any_of(connected_, [](bool c) { return c; })) {
        const UINT interval = game_.isLoaded(ScreenId::Play) ? kPlayReadMs : kMenuReadMs;
        // Setting the timer again would put its next read off.
        if (interval == readMs_) return;
        readMs_ = interval;
        SetTimer(window_.hwnd(), kReadTimer, interval, nullptr);
        return;
    }
    if (readMs_ == 0) return;
    readMs_ = 0;
    KillTimer(window_.hwnd(), kReadTimer);
    for (int slot = 0; slot < PadSource::kSlots; ++slot) game_.padGone(slot);
}

} // namespace zol::win32
