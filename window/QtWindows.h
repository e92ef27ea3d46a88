#pragma once

#include "shell/Windows.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace zol {
class Program;
}

namespace zol::window {

class PlayWindow;

// One window per loaded form: made when the form loads, centred on the
// screen, and gone when it unloads.
class QtWindows : public Windows {
public:
    // `formLoaded` hears of every form as it loads, after its window shows.
    QtWindows(std::function<void(bool)> holdTimers, std::function<void(ScreenId)> formLoaded)
        : holdTimers_(std::move(holdTimers)), formLoaded_(std::move(formLoaded)) {}
    void attach(Program& program) { program_ = &program; }

    void loaded(ScreenId form) override;
    void unloaded(ScreenId form) override;
    void bringToFront(ScreenId form) override;
    void changed(ScreenId form) override;
    Drawing& explosionSurface() override;
    void end() override;

private:
    QPointer<QWidget>& slot(ScreenId form) { return windows_[static_cast<int>(form)]; }

    Program* program_ = nullptr;
    std::function<void(bool)> holdTimers_;
    std::function<void(ScreenId)> formLoaded_;
    QPointer<QWidget> windows_[3];
    PlayWindow* play_ = nullptr;
};

} // namespace zol::window
