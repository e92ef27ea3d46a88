#pragma once

#include "window/FormWindow.h"

namespace zol {
class FrontEnd;
}

class QLabel;

namespace zol::window {

// The help screen's window: the help document, scrollable from its first
// line to its last, the icon and the button that closes it.
class HelpWindow : public FormWindow {
public:
    explicit HelpWindow(FrontEnd& game);

protected:
    void closeEvent(QCloseEvent* event) override;
    void rescaled() override;

private:
    FrontEnd& game_;
    QLabel* icon_;
};

} // namespace zol::window
