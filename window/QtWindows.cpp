#include "window/QtWindows.h"

#include "window/HelpWindow.h"
#include "window/PlayWindow.h"
#include "window/TitleWindow.h"

#include <QApplication>
#include <QScreen>

namespace zol::window {

namespace {

void centre(QWidget& window) {
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
}

} // namespace

void QtWindows::loaded(ScreenId form) {
    QWidget* window = nullptr;
    switch (form) {
    case ScreenId::Title: window = new TitleWindow(*program_); break;
    case ScreenId::Play: window = play_ = new PlayWindow(*program_, holdTimers_); break;
    case ScreenId::Help: window = new HelpWindow(*program_); break;
    }
    slot(form) = window;
    centre(*window);
    window->show();
    window->raise();
    window->activateWindow();
    formLoaded_(form);
}

// A form may unload from a handler of its own window: the window goes once
// that handler has returned.
void QtWindows::unloaded(ScreenId form) {
    if (QWidget* window = slot(form)) {
        window->hide();
        window->deleteLater();
    }
    slot(form) = nullptr;
    if (form == ScreenId::Play) play_ = nullptr;
}

void QtWindows::bringToFront(ScreenId form) {
    if (QWidget* window = slot(form)) {
        window->raise();
        window->activateWindow();
    }
}

void QtWindows::changed(ScreenId form) {
    if (form == ScreenId::Play && play_) {
        play_->refresh();
    } else if (QWidget* window = slot(form)) {
        window->update();
    }
}

Drawing& QtWindows::explosionSurface() { return play_->drawing(); }

void QtWindows::end() {
    for (auto& window : windows_) {
        if (window) {
            window->hide();
            window->deleteLater();
        }
    }
    QApplication::exit(0);
}

} // namespace zol::window
