#pragma once

#include <QWidget>

namespace zol {
class FrontEnd;
}

namespace zol::window {

// The help screen's window: the help document, scrollable from its first
// line to its last, the icon and the button that closes it.
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(FrontEnd& game);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FrontEnd& game_;
};

} // namespace zol::window
