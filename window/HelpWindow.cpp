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

    auto* closeButton = new QPushButton(QString::fromUtf8(kCommand1Caption), this);
    closeButton->setGeometry(pixelRect(kCommand1));
    closeButton->setFont(designedFont(kCommand1Font));
    closeButton->setAutoDefault(true);

    auto* document = new QPlainTextEdit(this);
    document->setGeometry(pixelRect(kRichTextBox1));
    document->setFont(designedFont(kDocumentFont));
    document->setReadOnly(true);
    document->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    document->setPlainText(QString::fromStdString(readRtf(helpDocumentRtf()).text));

    auto* icon = new QLabel(this);
    icon->setGeometry(pixelRect(kImage1));
    icon->setPixmap(Sprites::titleIcon());

    setTabOrder(closeButton, document);
    closeButton->setFocus();
    connect(closeButton, &QPushButton::clicked, [this] { qt::guarded([this] { program_.help().Command1_Click(); }); });
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    qt::guarded([&] { program_.unload(FormId::Help); });
}

} // namespace zol::window
