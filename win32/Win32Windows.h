#pragma once

#include "platform/win32/Mailbox.h"
#include "shell/FrontEnd.h"

#include <functional>
#include <memory>
#include <vector>

namespace zol::win32 {

class FormWindow;
class PlayWindow;

// One native window per loaded screen: made when the screen loads, shown
// in the game's display mode on the monitor of the game's window in front,
// and gone when it unloads (once the handler that unloaded it has returned,
// since that handler may be the window's own).
class Win32Windows : public FrontEndWindows {
public:
    // `appActivation` hears when the game's windows gain the keyboard from
    // another program (true) or lose it.
    Win32Windows(FrontEnd& game, std::function<void(bool)> appActivation);
    ~Win32Windows() override;

    void open(ScreenId screen) override;
    void close(ScreenId screen) override;
    void raise(ScreenId screen) override;
    void repaintPlay(const std::vector<play::PixelRect>& damage) override;
    void startExplosion() override;
    void quit() override;
    void displayChanged() override;
    void moveFocus(int step) override;
    void pressFocused() override;

    // The display's keys, then the dialog keys of the title and help
    // windows; true when taken.
    bool takeKeys(MSG& message);

private:
    std::unique_ptr<FormWindow>& slot(ScreenId screen) { return windows_[static_cast<int>(screen)]; }
    PlayWindow* play();

    FrontEnd& game_;
    std::function<void(bool)> appActivation_;
    std::unique_ptr<FormWindow> windows_[3];
    std::vector<std::unique_ptr<FormWindow>> closing_;
    Mailbox mailbox_;
};

} // namespace zol::win32
