#include "window/PlayWindow.h"

#include "platform/qt/Guarded.h"
#include "shell/Program.h"
#include "window/FormWindow.h"
#include "window/KeyCodes.h"
#include "window/Twips.h"

#include <QKeyEvent>
#include <QPainter>

namespace zol::window {

using namespace play;


PlayWindow::PlayWindow(Program& program, std::function<void(bool)> holdTimers)
    : program_(program),
      drawing_(*this, std::move(holdTimers)),
      label1_(kLabel1Font, kLabel1Back, std::nullopt, Qt::AlignHCenter),
      label2_(kLabel2Font, kLabel2Back, kLabel2Text, Qt::AlignHCenter),
      label3_(kLabel3Font, kLabel3Back, std::nullopt, Qt::AlignLeft),
      label4_(kLabel4Font, kLabel4Back, std::nullopt, Qt::AlignLeft),
      con_(kConFont, std::nullopt, kConText, Qt::AlignLeft) {
    setUpFormWindow(*this, kCaption, kClientWidthTw, kClientHeightTw, kBackColor, true);
    setFocusPolicy(Qt::StrongFocus);
    // Every picture is scaled now, not in the middle of play: a walker's
    // first crush would otherwise cost its tick a millisecond or two.
    const qreal dpr = devicePixelRatioF();
    sprites_.meteorite(pixelRect(kImage1Boxes[0]).size(), dpr);
    for (int i = 0; i < 7; ++i) sprites_.walker(i, pixelRect(kImage1Boxes[1]).size(), dpr);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlayWindow::refresh() {
    const PlayControls& c = program_.play().controls();
    QRegion dirty;
    const auto changed = [&](const auto& before, const auto& now, bool wasShown, bool isShown) {
        if (before == now) return;
        if (wasShown) dirty += pixelRect(before.box);
        if (isShown) dirty += pixelRect(now.box);
    };
    for (int i = 0; i < 7; ++i) changed(shown_.image1[i], c.image1[i], shown_.image1[i].visible, c.image1[i].visible);
    for (const auto member : {&PlayControls::label1, &PlayControls::label2, &PlayControls::label3,
                              &PlayControls::label4, &PlayControls::con}) {
        changed(shown_.*member, c.*member, true, true);
    }
    shown_ = c;
    if (!dirty.isEmpty()) update(dirty);
}

void PlayWindow::paintEvent(QPaintEvent*) {
    const PlayControls& c = program_.play().controls();
    const qreal dpr = devicePixelRatioF();
    const QColor buttonText = palette().color(QPalette::ButtonText);
    QPainter p(this);
    p.fillRect(rect(), qcolor(kBackColor));
    if (!drawing_.surface().isNull()) p.drawImage(0, 0, drawing_.surface());

    const auto paintImage = [&](int i) {
        const Image& image = c.image1[i];
        if (!image.visible) return;
        const QRect r = pixelRect(image.box);
        p.drawPixmap(r.topLeft(), i == 0 ? sprites_.meteorite(r.size(), dpr) : sprites_.walker(image.picture, r.size(), dpr));
    };

    // From the back to the front: walker 1, the meteorite, the status line,
    // the ground band, the best score, walkers 2 to 6, the banner, the best combo.
    paintImage(1);
    paintImage(0);
    label1_.paint(p, c.label1, buttonText);
    label2_.paint(p, c.label2, buttonText);
    label3_.paint(p, c.label3, buttonText);
    for (int i = 2; i <= 6; ++i) paintImage(i);
    con_.paint(p, c.con, buttonText);
    label4_.paint(p, c.label4, buttonText);
}

// X11 repeats a held key as release and press pairs; only the real press
// and the real release reach the game, so a held key stays held. While the
// explosion is shown the game hears no key at all.
void PlayWindow::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || drawing_.presenting()) return;
    const int code = virtualKeyCode(*event);
    const int shift = event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0;
    qt::guarded([&] { program_.play().Form_KeyDown(code, shift); });
}

void PlayWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || drawing_.presenting()) return;
    const int code = virtualKeyCode(*event);
    const int shift = event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0;
    qt::guarded([&] { program_.play().Form_KeyUp(code, shift); });
}

// Without the keyboard the window would never see a release: no key sticks.
void PlayWindow::focusOutEvent(QFocusEvent* event) {
    if (program_.isLoaded(FormId::Play)) program_.play().keyboardLost();
    QWidget::focusOutEvent(event);
}

void PlayWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && program_.isLoaded(FormId::Play))
        program_.play().keyboardLost();
    QWidget::changeEvent(event);
}

// The close box unloads the play screen; the program decides what goes.
void PlayWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    qt::guarded([&] { program_.unload(FormId::Play); });
}

} // namespace zol::window
