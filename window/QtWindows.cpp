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

void QtWindows::open(ScreenId screen) {
    QWidget* window = nullptr;
    switch (screen) {
    case ScreenId::Title: window = new TitleWindow(game_); break;
    case ScreenId::Play: window = new PlayWindow(game_); break;
    case ScreenId::Help: window = new HelpWindow(game_); break;
    }
    slot(screen) = window;
    centre(*window);
    window->show();
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

} // namespace zol::window
