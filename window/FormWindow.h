#pragma once

#include "platform/Drawing.h"
#include "shell/DisplayMode.h"

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

namespace zol::window {

// A screen's window as designed (its caption, a client area of fixed size,
// a close box but no maximise, the game's icon where it has one), drawn at a
// whole-number scale: in a window at the display mode's factor, or full
// screen with the screen centred on black. Controls live on the stage at
// their designed place and follow the scale, fonts and all.
class FormWindow : public QWidget {
public:
    FormWindow(ScreenId screen, const char* caption, const Rgb& back, bool withIcon);

    // Shows the window as `mode` says, on the monitor it is on.
    void showIn(const DisplayMode& mode);
    const ScreenScale& scale() const { return scale_; }

protected:
    // Where a control goes: on the stage at its designed rectangle (pixels
    // at 100 %), its font scaled with it from now on.
    template <class Control>
    Control* place(Control* control, const QRect& designed) {
        placed_.push_back({control, designed, control->font()});
        fit(placed_.back());
        return control;
    }
    QWidget* stage() { return stage_; }
    // The scale changed: whatever the window draws at its scale is redone.
    virtual void rescaled() {}

private:
    struct Placed {
        QPointer<QWidget> control;
        QRect designed;
        QFont font;
    };
    void fit(const Placed& placed);

    ScreenId screen_;
    QWidget* stage_;
    ScreenScale scale_;
    std::vector<Placed> placed_;
};

} // namespace zol::window
