#include "window/Sprites.h"

#include "assets/Pictures.h"

namespace zol::window {

namespace {

constexpr int kMeteoriteKey = 100;

} // namespace

QPixmap Sprites::scaled(int key, const char* const* xpm, QSize logicalSize, qreal dpr) {
    if (dpr != dpr_) {
        cache_.clear();
        dpr_ = dpr;
    }
    const auto id = std::make_pair(key, logicalSize.width() * 10000 + logicalSize.height());
    auto it = cache_.find(id);
    if (it == cache_.end()) {
        QPixmap pixmap = QPixmap(xpm).scaled(logicalSize * dpr, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        pixmap.setDevicePixelRatio(dpr);
        it = cache_.emplace(id, pixmap).first;
    }
    return it->second;
}

QPixmap Sprites::meteorite(QSize logicalSize, qreal dpr) {
    return scaled(kMeteoriteKey, meteoriteXpm(), logicalSize, dpr);
}

QPixmap Sprites::walker(int index, QSize logicalSize, qreal dpr) {
    return scaled(index, walkerXpm(index), logicalSize, dpr);
}

QPixmap Sprites::titleIcon() { return QPixmap(titleIconXpm()); }

} // namespace zol::window
