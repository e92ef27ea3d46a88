#pragma once

#include "shell/FrontEnd.h"
#include "window/FormWindow.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

namespace zol::window {

class FormWindow;
class PlayWindow;

// One Qt window per loaded screen: made when the screen loads, centred on
// the screen, and gone when it unloads.
class QtWindows : public FrontEndWindows {
public:
    // `opened` hears of every screen as it opens, after its window shows.
    QtWindows(FrontEnd& game, std::function<void(ScreenId)> opened) : game_(game), opened_(std::move(opened)) {}

    void open(ScreenId screen) override;
    void close(ScreenId screen) override;
    void raise(ScreenId screen) override;
    void repaintPlay(const std::vector<play::PixelRect>& damage) override;
    void startExplosion() override;
    void quit() override;
    void displayChanged() override;
    void moveFocus(int step) override;
    void pressFocused() override;

private:
    QPointer<FormWindow>& slot(ScreenId screen) { return windows_[static_cast<int>(screen)]; }
    // The title or help window with the keyboard, if any.
    FormWindow* activeForm();
    PlayWindow* play();

    FrontEnd& game_;
    std::function<void(ScreenId)> opened_;
    QPointer<FormWindow> windows_[3];
};

} // namespace zol::window
