#include "window/QtWindows.h"

#include "window/HelpWindow.h"
#include "window/PlayWindow.h"
#include "window/TitleWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>

namespace zol::window {

void QtWindows::open(ScreenId screen) {
    FormWindow* window = nullptr;
    switch (screen) {
    case ScreenId::Title: window = new TitleWindow(game_); break;
    case ScreenId::Play: window = new PlayWindow(game_); break;
    case ScreenId::Help: window = new HelpWindow(game_); break;
    }
    slot(screen) = window;
    // Every screen opens as the others are shown: full screen on the same
    // monitor, or at the same factor.
    if (QWidget* shown = QApplication::activeWindow()) window->setScreen(shown->screen());
    window->showIn(game_.display());
    window->raise();
    window->activateWindow();
    opened_(screen);
}

// A screen may unload from a handler of its own window: the window goes
// once that handler has returned.
void QtWindows::close(ScreenId screen) {
    if (QWidget* window = slot(screen)) {
        window->hide();
        window->deleteLater();
    }
    slot(screen) = nullptr;
}

void QtWindows::raise(ScreenId screen) {
    if (QWidget* window = slot(screen)) {
        window->raise();
        window->activateWindow();
    }
}

PlayWindow* QtWindows::play() { return static_cast<PlayWindow*>(slot(ScreenId::Play).data()); }

void QtWindows::repaintPlay(const std::vector<play::PixelRect>& damage) {
    if (PlayWindow* window = play()) window->repaint(damage);
}

void QtWindows::startExplosion() {
    if (PlayWindow* window = play()) window->startExplosion();
}

void QtWindows::quit() {
    for (auto& window : windows_) {
        if (window) {
            window->hide();
            window->deleteLater();
        }
    }
    QApplication::exit(0);
}

void QtWindows::displayChanged() {
    QWidget* active = QApplication::activeWindow();
    for (auto& window : windows_)
        if (window && window->isVisible()) window->showIn(game_.display());
    if (active) {
        active->raise();
        active->activateWindow();
    }
}

FormWindow* QtWindows::activeForm() {
    for (ScreenId screen : {ScreenId::Title, ScreenId::Help})
        if (slot(screen) && slot(screen)->isActiveWindow()) return slot(screen);
    return nullptr;
}

void QtWindows::moveFocus(int step) {
    if (FormWindow* form = activeForm()) {
        QWidget* focus = form->focusWidget();
        QWidget* next = focus ? (step < 0 ? focus->previousInFocusChain() : focus->nextInFocusChain()) : nullptr;
        // Only the buttons take the focus from a pad, as the d-pad moves
        // between them; the help document scrolls by itself.
        while (next && next != focus && !qobject_cast<QPushButton*>(next))
            next = step < 0 ? next->previousInFocusChain() : next->nextInFocusChain();
        if (next) next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
}

void QtWindows::pressFocused() {
    if (FormWindow* form = activeForm())
        if (auto* button = qobject_cast<QPushButton*>(form->focusWidget())) button->click();
}

} // namespace zol::window
