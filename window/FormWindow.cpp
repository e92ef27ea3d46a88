#include "window/FormWindow.h"

#include "window/Sprites.h"
#include "play/Pixels.h"
#include "window/QtPixels.h"

namespace zol::window {

void setUpFormWindow(QWidget& window, const char* caption, float widthTw, float heightTw, const Rgb& back,
                     bool withIcon) {
    window.setWindowTitle(QString::fromUtf8(caption));
    if (withIcon) window.setWindowIcon(Sprites::titleIcon());
    window.setFixedSize(play::toPixels(widthTw), play::toPixels(heightTw));
    window.setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, qcolor(back));
    window.setPalette(palette);
}

} // namespace zol::window
