#include "window/HelpWindow.h"

#include "assets/HelpDocument.h"
#include "platform/qt/Guarded.h"
#include "shell/HelpLayout.h"
#include "shell/Program.h"
#include "shell/RtfReader.h"
#include "window/Fonts.h"
#include "window/FormWindow.h"
#include "window/Sprites.h"
#include "window/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zol::window {

using namespace help;

HelpWindow::HelpWindow(Program& program) : program_(program) {
    setUpFormWindow(*this, kCaption, kClientWidthTw, kClientHeightTw, kBackColor, false);

    auto* closeButton = new QPushButton(QString::fromUtf8(kBackButtonCaption), this);
    closeButton->setGeometry(pixelRect(kBackButton));
    closeButton->setFont(designedFont(kBackButtonFont));
    closeButton->setAutoDefault(true);

    auto* document = new QPlainTextEdit(this);
    document->setGeometry(pixelRect(kDocumentBox));
    document->setFont(designedFont(kDocumentFont));
    document->setReadOnly(true);
    document->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document->setPlainText(QString::fromStdString(readRtf(helpDocumentRtf()).text));

    auto* icon = new QLabel(this);
    icon->setGeometry(pixelRect(kIconBox));
    icon->setPixmap(Sprites::titleIcon());

    setTabOrder(closeButton, document);
    closeButton->setFocus();
    connect(closeButton, &QPushButton::clicked, [this] { qt::guarded([this] { program_.help().back(); }); });
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    qt::guarded([&] { program_.unload(ScreenId::Help); });
}

} // namespace zol::window
