#pragma once

#include <QObject>

namespace zol {
class FrontEnd;
}

namespace zol::window {

// F11, Alt+Enter and Ctrl with Plus, Minus or 0, in any of the game's
// windows, before a button or the play screen sees them: Alt+Enter is no
// Enter to the game. A message box keeps its keys.
class DisplayKeys : public QObject {
public:
    explicit DisplayKeys(FrontEnd& game);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrontEnd& game_;
};

} // namespace zol::window
