#pragma once

#include "shell/FrontEnd.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

namespace zol::window {

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

private:
    QPointer<QWidget>& slot(ScreenId screen) { return windows_[static_cast<int>(screen)]; }
    PlayWindow* play();

    FrontEnd& game_;
    std::function<void(ScreenId)> opened_;
    QPointer<QWidget> windows_[3];
};

} // namespace zol::window
