#include "window/PlayWindow.h"

#include "play/PlayRules.h"
#include "shell/FrontEnd.h"
#include "window/FormWindow.h"
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
    : game_(game),
      explosion_(*this, game.explosion()),
      labels_(kSceneLabels, LabelView(palette().color(QPalette::ButtonText))) {
    setUpFormWindow(*this, kCaption, kClientWidthTw, kClientHeightTw, kBackColor, true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every picture is scaled now, not in the middle of play: a walker's
    // first crush would otherwise cost its tick a millisecond or two.
    const qreal dpr = devicePixelRatioF();
    sprites_.meteorite(qrect(kMeteorBox).size(), dpr);
    for (int frame = 0; frame < play::kWalkerPictures; ++frame) sprites_.walker(frame, qrect(kWalkerBoxes[0]).size(), dpr);
}

void PlayWindow::repaint(const std::vector<PixelRect>& damage) {
    QRegion region;
    for (const PixelRect& r : damage) region += qrect(r);
    update(region);
}

void PlayWindow::paintEvent(QPaintEvent* event) {
    const qreal dpr = devicePixelRatioF();
    // The painter is clipped to the event's region already.
    QPainter p(this);
    p.fillRect(event->rect(), qcolor(kBackColor));
    if (!explosion_.image().isNull()) p.drawImage(0, 0, explosion_.image());
    std::size_t label = 0;
    for (const SceneItem& item : game_.playScene()) {
        const QRect r = qrect(item.rect);
        if (!event->region().intersects(r)) {
            if (item.kind == SceneItem::Kind::Label) ++label;
            continue;
        }
        switch (item.kind) {
        case SceneItem::Kind::Meteorite: p.drawPixmap(r.topLeft(), sprites_.meteorite(r.size(), dpr)); break;
        case SceneItem::Kind::Walker: p.drawPixmap(r.topLeft(), sprites_.walker(item.walkerFrame, r.size(), dpr)); break;
        case SceneItem::Kind::Label:
            labels_[label++].paint(p, item, dpr);
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
