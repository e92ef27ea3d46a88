#pragma once

#include "play/PlayScene.h"
#include "window/CaptionPieces.h"

#include <QColor>
#include <QFont>
#include <QPixmap>

#include <optional>
#include <string>

class QPainter;

namespace zol::window {

// Paints one label of the play screen as its look says, and keeps it as a
// pixmap until its caption or size changes, so that a tick that moves it
// costs one copy, not a text layout; a caption that fits on one line is
// drawn from pieces shaped once.
class LabelView {
public:
    explicit LabelView(QColor systemText) : systemText_(systemText) {}

    void paint(QPainter& painter, const play::SceneItem& label, qreal dpr);

private:
    void render(const play::SceneItem& label, qreal dpr);

    QColor systemText_;
    QPixmap pixmap_;
    std::string caption_;
    const play::LabelLook* look_ = nullptr;
    std::optional<CaptionPieces> pieces_;
};

} // namespace zol::window
