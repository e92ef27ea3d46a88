#pragma once

#include "window/FormWindow.h"

namespace zol {
class FrontEnd;
}

namespace zol::window {

// The title screen's window: the title, the credit line and three buttons,
// Play holding the focus.
class TitleWindow : public FormWindow {
public:
    explicit TitleWindow(FrontEnd& game);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrontEnd& game_;
};

} // namespace zol::window
