#include "win32/Win32Windows.h"

#include "win32/Buttons.h"
#include "win32/DisplayKeys.h"
#include "win32/HelpWindow.h"
#include "win32/Monitors.h"
#include "win32/PlayWindow.h"
#include "win32/TitleWindow.h"

namespace zol::win32 {

// Closed windows are destroyed once the handler that closed them has returned.
Win32Windows::Win32Windows(FrontEnd& game, std::function<void(bool)> appActivation)
    : game_(game), appActivation_(std::move(appActivation)), mailbox_([this] { closing_.clear(); }) {}

Win32Windows::~Win32Windows() = default;

void Win32Windows::open(ScreenId screen) {
    // Chosen while the window in front is still there: a screen opens where
    // the last one was, full screen on the same monitor.
    HWND anyOpen = nullptr;
    for (const auto& window : windows_)
        if (window) anyOpen = window->hwnd();
    if (!anyOpen && !closing_.empty()) anyOpen = closing_.back()->hwnd();
    const HMONITOR monitor = frontMonitor(anyOpen);
    switch (screen) {
    case ScreenId::Title: slot(screen) = std::make_unique<TitleWindow>(game_); break;
    case ScreenId::Play: slot(screen) = std::make_unique<PlayWindow>(game_); break;
    case ScreenId::Help: slot(screen) = std::make_unique<HelpWindow>(game_); break;
    }
    FormWindow& window = *slot(screen);
    window.onAppActivation(appActivation_);
    window.showIn(game_.display(), monitor);
    SetForegroundWindow(window.hwnd());
}

void Win32Windows::close(ScreenId screen) {
    if (!slot(screen)) return;
    ShowWindow(slot(screen)->hwnd(), SW_HIDE);
    closing_.push_back(std::move(slot(screen)));
    mailbox_.post();
}

void Win32Windows::raise(ScreenId screen) {
    if (slot(screen)) SetForegroundWindow(slot(screen)->hwnd());
}

PlayWindow* Win32Windows::play() { return static_cast<PlayWindow*>(slot(ScreenId::Play).get()); }

void Win32Windows::repaintPlay(const std::vector<play::PixelRect>& damage) {
    if (PlayWindow* window = play()) window->repaint(damage);
}

void Win32Windows::startExplosion() {
    if (PlayWindow* window = play()) window->startExplosion();
}

void Win32Windows::quit() {
    for (ScreenId screen : {ScreenId::Title, ScreenId::Play, ScreenId::Help}) close(screen);
    PostQuitMessage(0);
}

// Each window stays on its monitor and in its place among the others.
void Win32Windows::displayChanged() {
    for (const auto& window : windows_)
        if (window) window->showIn(game_.display(), MonitorFromWindow(window->hwnd(), MONITOR_DEFAULTTONEAREST));
}

namespace {

// The title or help window that has the keyboard, if any.
HWND frontForm(const std::unique_ptr<FormWindow>* windows) {
    const HWND active = GetActiveWindow();
    for (ScreenId screen : {ScreenId::Title, ScreenId::Help}) {
        const auto& form = windows[static_cast<int>(screen)];
        if (form && form->hwnd() == active) return active;
    }
    return nullptr;
}

} // namespace

void Win32Windows::moveFocus(int step) {
    if (HWND form = frontForm(windows_))
        if (HWND next = GetNextDlgTabItem(form, GetFocus(), step < 0)) SetFocus(next);
}

void Win32Windows::pressFocused() {
    HWND form = frontForm(windows_);
    HWND focus = GetFocus();
    if (form && focus && GetParent(focus) == form) SendMessageW(focus, BM_CLICK, 0, 0);
}

bool Win32Windows::takeKeys(MSG& message) {
    if (displayKey(game_, message)) return true;
    for (ScreenId screen : {ScreenId::Title, ScreenId::Help})
        if (slot(screen) && dialogKey(slot(screen)->hwnd(), message)) return true;
    return false;
}

} // namespace zol::win32
