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
      label1_(kStatusLineFont, kStatusLineBack, std::nullopt, Qt::AlignHCenter),
      label2_(kGroundBandFont, kGroundBandBack, kGroundBandText, Qt::AlignHCenter),
      label3_(kBestScoreFont, kBestScoreBack, std::nullopt, Qt::AlignLeft),
      label4_(kBestComboFont, kBestComboBack, std::nullopt, Qt::AlignLeft),
      con_(kComboBannerFont, std::nullopt, kComboBannerText, Qt::AlignLeft) {
    setUpFormWindow(*this, kCaption, kClientWidthTw, kClientHeightTw, kBackColor, true);
    setFocusPolicy(Qt::StrongFocus);
    // Every picture is scaled now, not in the middle of play: a walker's
    // first crush would otherwise cost its tick a millisecond or two.
    const qreal dpr = devicePixelRatioF();
    sprites_.meteorite(pixelRect(kMeteorBox).size(), dpr);
    for (int i = 0; i < 7; ++i) sprites_.walker(i, pixelRect(kWalkerBoxes[0]).size(), dpr);
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
    changed(shown_.meteor, c.meteor, shown_.meteor.visible, c.meteor.visible);
    for (int i = 1; i <= 6; ++i) changed(shown_.walker(i), c.walker(i), shown_.walker(i).visible, c.walker(i).visible);
    for (const auto member : {&PlayControls::statusLine, &PlayControls::groundBand, &PlayControls::bestScoreLabel,
                              &PlayControls::bestComboLabel, &PlayControls::comboBanner}) {
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
        const Image& image = i == 0 ? c.meteor : c.walker(i);
        if (!image.visible) return;
        const QRect r = pixelRect(image.box);
        p.drawPixmap(r.topLeft(), i == 0 ? sprites_.meteorite(r.size(), dpr) : sprites_.walker(image.picture, r.size(), dpr));
    };

    // From the back to the front: walker 1, the meteorite, the status line,
    // the ground band, the best score, walkers 2 to 6, the banner, the best combo.
    paintImage(1);
    paintImage(0);
    label1_.paint(p, c.statusLine, buttonText);
    label2_.paint(p, c.groundBand, buttonText);
    label3_.paint(p, c.bestScoreLabel, buttonText);
    for (int i = 2; i <= 6; ++i) paintImage(i);
    con_.paint(p, c.comboBanner, buttonText);
    label4_.paint(p, c.bestComboLabel, buttonText);
}

// X11 repeats a held key as release and press pairs; only the real press
// and the real release reach the game, so a held key stays held. While the
// explosion is shown the game hears no key at all.
void PlayWindow::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || drawing_.presenting()) return;
    qt::guarded([&] { program_.play().keyDown(gameKey(*event)); });
}

void PlayWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || drawing_.presenting()) return;
    qt::guarded([&] { program_.play().keyUp(gameKey(*event)); });
}

// Without the keyboard the window would never see a release: no key sticks.
void PlayWindow::focusOutEvent(QFocusEvent* event) {
    if (program_.isLoaded(ScreenId::Play)) program_.play().keyboardLost();
    QWidget::focusOutEvent(event);
}

void PlayWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && program_.isLoaded(ScreenId::Play))
        program_.play().keyboardLost();
    QWidget::changeEvent(event);
}

// The close box unloads the play screen; the program decides what goes.
void PlayWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    qt::guarded([&] { program_.unload(ScreenId::Play); });
}

} // namespace zol::window
