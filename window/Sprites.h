#pragma once

#include <QPixmap>

#include <map>
#include <utility>

namespace zol::window {

// The game's pictures as pixmaps, scaled without blur to the size they are
// shown at (in device pixels, so they stay sharp on dense screens) and kept
// once made.
class Sprites {
public:
    QPixmap meteorite(QSize logicalSize, qreal dpr);
    QPixmap walker(int index, QSize logicalSize, qreal dpr);
    static QPixmap titleIcon();

private:
    QPixmap scaled(int key, const char* const* xpm, QSize logicalSize, qreal dpr);

    std::map<std::pair<int, int>, QPixmap> cache_;
    qreal dpr_ = 0;
};

} // namespace zol::window
