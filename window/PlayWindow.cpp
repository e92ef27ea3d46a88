#include "window/PlayWindow.h"

#include "platform/qt/Guarded.h"
#include "shell/Program.h"
#include "window/Fonts.h"
#include "window/KeyCodes.h"
#include "window/Twips.h"

#include <QKeyEvent>
#include <QPainter>

namespace zol::window {

using namespace play;

namespace {

// Labels draw their text from the top, wrapped at word breaks like the
// forms runtime's labels; a label keeps its size whatever its caption.
void paintLabel(QPainter& p, const Label& label, const Rgb* back, const QColor& text, const QFont& font,
                Qt::Alignment align) {
    const QRect r = pixelRect(label.box);
    if (back) p.fillRect(r, qcolor(*back));
    p.setFont(font);
    p.setPen(text);
    p.drawText(r, align | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(label.caption));
}

} // namespace

PlayWindow::PlayWindow(Program& program, std::function<void(bool)> holdTimers)
    : program_(program), drawing_(*this, std::move(holdTimers)) {
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(Sprites::titleIcon());
    setFixedSize(pixels(kClientWidthTw), pixels(kClientHeightTw));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    static const QFont label1Font = designedFont(kLabel1Font);
    static const QFont label2Font = designedFont(kLabel2Font);
    static const QFont label34Font = designedFont(kLabel3Font);
    static const QFont conFont = designedFont(kConFont);
    paintLabel(p, c.label1, &kLabel1Back, buttonText, label1Font, Qt::AlignHCenter);
    paintLabel(p, c.label2, &kLabel2Back, qcolor(kLabel2Text), label2Font, Qt::AlignHCenter);
    paintLabel(p, c.label3, &kLabel3Back, buttonText, label34Font, Qt::AlignLeft);
    for (int i = 2; i <= 6; ++i) paintImage(i);
    paintLabel(p, c.con, nullptr, qcolor(kConText), conFont, Qt::AlignLeft);
    paintLabel(p, c.label4, &kLabel4Back, buttonText, label34Font, Qt::AlignLeft);
}

// X11 repeats a held key as release and press pairs; only the real press
// and the real release reach the game, so a held key stays held.
void PlayWindow::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    const int code = virtualKeyCode(*event);
    const int shift = event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0;
    qt::guarded([&] { program_.play().Form_KeyDown(code, shift); });
}

void PlayWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
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
