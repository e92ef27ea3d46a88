#pragma once

#include "platform/Drawing.h"
#include "platform/Windows.h"

namespace zol::sim {

// Drawing without a screen: it is shown at once.
class SimDrawing : public Drawing {
public:
    void line(double, double, double, double, Rgb) override {}
    void circle(double, double, double, Rgb) override {}
    void present(std::function<void()> then) override { then(); }
};

// No windows in the simulation; the program's end stops the script.
class SimWindows : public Windows {
public:
    void loaded(ScreenId) override {}
    void unloaded(ScreenId) override {}
    void bringToFront(ScreenId) override {}
    void changed(ScreenId) override {}
    void end() override { ended_ = true; }
    bool ended() const { return ended_; }

private:
    bool ended_ = false;
};

} // namespace zol::sim
