#pragma once

#include "platform/Windows.h"

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
    QtWindows(std::function<void(bool)> holdTimers, std::function<void(FormId)> formLoaded)
        : holdTimers_(std::move(holdTimers)), formLoaded_(std::move(formLoaded)) {}
    void attach(Program& program) { program_ = &program; }

    void loaded(FormId form) override;
    void unloaded(FormId form) override;
    void bringToFront(FormId form) override;
    void changed(FormId form) override;
    Drawing& drawing(FormId form) override;
    void end() override;

private:
    QPointer<QWidget>& slot(FormId form) { return windows_[static_cast<int>(form)]; }

    Program* program_ = nullptr;
    std::function<void(bool)> holdTimers_;
    std::function<void(FormId)> formLoaded_;
    QPointer<QWidget> windows_[3];
    PlayWindow* play_ = nullptr;
};

} // namespace zol::window
