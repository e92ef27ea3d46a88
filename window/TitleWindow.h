#pragma once

#include <QWidget>

namespace zol {
class Program;
}

namespace zol::window {

// The title screen's window: the title, the credit line and three buttons,
// Play holding the focus.
class TitleWindow : public QWidget {
public:
    explicit TitleWindow(Program& program);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Program& program_;
};

} // namespace zol::window
