#pragma once

#include "play/PlayControls.h"
#include "window/LabelView.h"
#include "window/PlayDrawing.h"
#include "window/Sprites.h"

#include <QWidget>

#include <functional>

namespace zol {
class Program;
}

namespace zol::window {

// The play screen's window. It paints the screen's controls as the game left
// them, in their designed order, and hands the keyboard to the game; it owns
// no rule.
class PlayWindow : public QWidget {
public:
    PlayWindow(Program& program, std::function<void(bool)> holdTimers);

    Drawing& drawing() { return drawing_; }
    // The game moved something: repaint only what changed since the last time.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Program& program_;
    Sprites sprites_;
    PlayDrawing drawing_;
    LabelView label1_, label2_, label3_, label4_, con_;
    play::PlayControls shown_;
};

} // namespace zol::window
