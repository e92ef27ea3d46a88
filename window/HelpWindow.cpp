#include "window/HelpWindow.h"

#include "assets/HelpDocument.h"
#include "shell/HelpLayout.h"
#include "shell/FrontEnd.h"
#include "shell/RtfReader.h"
#include "window/Fonts.h"
#include "window/Sprites.h"
#include "window/QtPixels.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zol::window {

using namespace help;

HelpWindow::HelpWindow(FrontEnd& game) : FormWindow(ScreenId::Help, kCaption, kBackColor, false), game_(game) {
    auto* closeButton = new QPushButton(QString::fromUtf8(kBackButtonCaption), stage());
    closeButton->setFont(designedFont(kBackButtonFont));
    closeButton->setAutoDefault(true);
    place(closeButton, qrect(kBackButton));

    auto* document = new QPlainTextEdit(stage());
    document->setFont(designedFont(kDocumentFont));
    place(document, qrect(kDocumentBox));
    document->setReadOnly(true);
    document->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document->setPlainText(QString::fromStdString(readRtf(helpDocumentRtf()).text));

    icon_ = place(new QLabel(stage()), qrect(kIconBox));
    rescaled();

    setTabOrder(closeButton, document);
    closeButton->setFocus();
    connect(closeButton, &QPushButton::clicked, [this] { game_.buttonChosen(Button::Back); });
}

// The icon's pixels are scaled whole, without smoothing.
void HelpWindow::rescaled() {
    const QPixmap icon = Sprites::titleIcon();
    icon_->setPixmap(icon.scaled(icon.size() * scale().factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    game_.closePressed(ScreenId::Help);
}

} // namespace zol::window
