#include "window/PlayWindow.h"

#include "play/PlayRules.h"
#include "shell/FrontEnd.h"
#include "window/KeyCodes.h"
#include "window/QtPixels.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

namespace zol::window {

using namespace play;

PlayWindow::PlayWindow(FrontEnd& game)
    : FormWindow(ScreenId::Play, kCaption, kBackColor, true),
      game_(game),
      explosion_(*this, game.explosion(), pictureRatio()),
      labels_(kSceneLabels, LabelView(palette().color(QPalette::ButtonText))) {
    // The window paints the whole screen itself.
    stage()->hide();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    prepareSprites();
}

// Every picture is scaled now, not in the middle of play: a walker's first
// crush would otherwise cost its tick a millisecond or two.
void PlayWindow::prepareSprites() {
    sprites_.meteorite(qrect(kMeteorBox).size(), pictureRatio());
    for (int frame = 0; frame < play::kWalkerPictures; ++frame)
        sprites_.walker(frame, qrect(kWalkerBoxes[0]).size(), pictureRatio());
}

void PlayWindow::rescaled() {
    prepareSprites();
    explosion_.rescale(pictureRatio());
    update();
}

void PlayWindow::repaint(const std::vector<PixelRect>& damage) {
    QRegion region;
    for (const PixelRect& r : damage) region += qrect(scale().toSurface(r));
    update(region);
}

// One rectangle of the changed region at a time: under a clip of several
// rectangles Qt blends a picture line by line, and a picture taller than
// about a hundred lines (a walker at 2x) goes to its pool of threads,
// which costs more than the drawing.
void PlayWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    for (const QRect& area : event->region()) {
        p.resetTransform();
        p.setClipRect(area);
        paintArea(p, area);
    }
}

void PlayWindow::paintArea(QPainter& p, const QRect& area) {
    // Pictures and text are made at the scale they are drawn at, so each
    // lands on whole device pixels: pictures doubled exactly, text sharp.
    const qreal ratio = pictureRatio();
    const ScreenScale& s = scale();
    const QRect screenArea = qrect(s.toSurface(PixelRect{0, 0, designedSize(ScreenId::Play).width,
                                                         designedSize(ScreenId::Play).height}));
    if (!screenArea.contains(area)) p.fillRect(area, Qt::black);
    // What stands off the screen (a walker yet to come in, the banner
    // waiting at the left) stays off it, as the window's edge hides it.
    const QRect shown = area & screenArea;
    if (shown.isEmpty()) return;
    p.setClipRect(shown);
    p.fillRect(shown, qcolor(kBackColor));
    p.translate(s.left, s.top);
    p.scale(s.factor, s.factor);
    const QRect onScreen = shown.translated(-s.left, -s.top);
    const auto dirty = [&](const QRect& r) {
        return onScreen.intersects(QRect(r.x() * s.factor, r.y() * s.factor, r.width() * s.factor,
                                             r.height() * s.factor));
    };
    if (!explosion_.image().isNull()) p.drawImage(0, 0, explosion_.image());
    std::size_t label = 0;
    for (const SceneItem& item : game_.playScene()) {
        const QRect r = qrect(item.rect);
        if (!dirty(r)) {
            if (item.kind == SceneItem::Kind::Label) ++label;
            continue;
        }
        switch (item.kind) {
        case SceneItem::Kind::Meteorite: p.drawPixmap(r.topLeft(), sprites_.meteorite(r.size(), ratio)); break;
        case SceneItem::Kind::Walker: p.drawPixmap(r.topLeft(), sprites_.walker(item.walkerFrame, r.size(), ratio)); break;
        case SceneItem::Kind::Label:
            labels_[label++].paint(p, item, ratio);
            break;
        }
    }
}

void PlayWindow::keyPressEvent(QKeyEvent* event) { game_.keyDown(InputSource::keyboard(), gameKey(*event), event->isAutoRepeat()); }

void PlayWindow::keyReleaseEvent(QKeyEvent* event) { game_.keyUp(InputSource::keyboard(), gameKey(*event), event->isAutoRepeat()); }

// Without the keyboard the window would never see a release: no key sticks.
void PlayWindow::focusOutEvent(QFocusEvent* event) {
    game_.inputLost();
    QWidget::focusOutEvent(event);
}

void PlayWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) game_.inputLost();
    QWidget::changeEvent(event);
}

// The close box unloads the play screen; the program decides what goes.
void PlayWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    game_.closePressed(ScreenId::Play);
}

} // namespace zol::window
