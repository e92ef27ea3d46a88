#include "window/FormWindow.h"

#include "window/QtPixels.h"
#include "window/Sprites.h"

#include <QScreen>

namespace zol::window {

FormWindow::FormWindow(ScreenId screen, const char* caption, const Rgb& back, bool withIcon)
    : screen_(screen), stage_(new QWidget(this)) {
    setWindowTitle(QString::fromUtf8(caption));
    if (withIcon) setWindowIcon(Sprites::titleIcon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Full screen shows black around the stage, which has the form's colour.
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    stage_->setAutoFillBackground(true);
    palette.setColor(QPalette::Window, qcolor(back));
    stage_->setPalette(palette);
    const PixelSize designed = designedSize(screen);
    stage_->setGeometry(0, 0, designed.width, designed.height);
    setFixedSize(designed.width, designed.height);
}

void FormWindow::fit(const Placed& placed) {
    if (!placed.control) return;
    const int f = scale_.factor;
    const QRect& r = placed.designed;
    placed.control->setGeometry(r.x() * f, r.y() * f, r.width() * f, r.height() * f);
    QFont font = placed.font;
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * f);
    else if (font.pixelSize() > 0) font.setPixelSize(font.pixelSize() * f);
    placed.control->setFont(font);
}

void FormWindow::showIn(const DisplayMode& mode) {
    QScreen* monitor = screen();
    const QSize room = mode.fullScreen ? monitor->geometry().size() : monitor->availableGeometry().size();
    const ScreenScale scale = screenScale(mode, screen_, {room.width(), room.height()});
    const PixelSize drawn = scale.toSurface(designedSize(screen_));
    if (scale != scale_) {
        scale_ = scale;
        for (const Placed& placed : placed_) fit(placed);
        rescaled();
    }
    stage_->setGeometry(scale_.left, scale_.top, drawn.width, drawn.height);
    if (mode.fullScreen) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // A window manager makes the window full screen; without one (a
        // kiosk, a bare X server) the geometry does.
        setGeometry(monitor->geometry());
        showFullScreen();
        return;
    }
    // Opened, or resized by the player's choice: centred on its monitor.
    setFixedSize(drawn.width, drawn.height);
    move(monitor->availableGeometry().center() - rect().center());
    showNormal();
}

} // namespace zol::window
