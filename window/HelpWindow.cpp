#include "window/HelpWindow.h"

#include "assets/HelpDocument.h"
#include "shell/HelpLayout.h"
#include "shell/FrontEnd.h"
#include "shell/RtfReader.h"
#include "window/Fonts.h"
#include "window/FormWindow.h"
#include "window/Sprites.h"
#include "window/QtPixels.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zol::window {

using namespace help;

HelpWindow::HelpWindow(FrontEnd& game) : game_(game) {
    setUpFormWindow(*this, kCaption, kClientWidthTw, kClientHeightTw, kBackColor, false);

    auto* closeButton = new QPushButton(QString::fromUtf8(kBackButtonCaption), this);
    closeButton->setGeometry(qrect(kBackButton));
    closeButton->setFont(designedFont(kBackButtonFont));
    closeButton->setAutoDefault(true);

    auto* document = new QPlainTextEdit(this);
    document->setGeometry(qrect(kDocumentBox));
    document->setFont(designedFont(kDocumentFont));
    document->setReadOnly(true);
    document->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document->setPlainText(QString::fromStdString(readRtf(helpDocumentRtf()).text));

    auto* icon = new QLabel(this);
    icon->setGeometry(qrect(kIconBox));
    icon->setPixmap(Sprites::titleIcon());

    setTabOrder(closeButton, document);
    closeButton->setFocus();
    connect(closeButton, &QPushButton::clicked, [this] { game_.buttonChosen(Button::Back); });
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    game_.closePressed(ScreenId::Help);
}

} // namespace zol::window
