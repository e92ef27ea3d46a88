#include "window/TitleWindow.h"

#include "platform/qt/Guarded.h"
#include "shell/Program.h"
#include "shell/TitleLayout.h"
#include "window/Fonts.h"
#include "window/FormWindow.h"
#include "window/Sprites.h"
#include "window/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace zol::window {

using namespace title;

namespace {

QPushButton* makeButton(QWidget* parent, const TitleButton& design) {
    auto* button = new QPushButton(QString::fromUtf8(design.caption), parent);
    button->setGeometry(pixelRect(design.box));
    button->setFont(designedFont(design.font, design.underline));
    // Enter chooses the button with the focus, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

TitleWindow::TitleWindow(Program& program) : program_(program) {
    setUpFormWindow(*this, kCaption, kClientWidthTw, kClientHeightTw, kBackColor, true);

    for (const TitleLabel& design : kTitleLines) {
        auto* label = new QLabel(QString::fromUtf8(design.caption), this);
        label->setGeometry(pixelRect(design.box));
        label->setFont(designedFont(design.font, design.underline));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (!design.systemTextColour) label->setStyleSheet(QStringLiteral("color: %1").arg(qcolor(design.textColour).name()));
    }

    QPushButton* play = makeButton(this, kPlayButton);
    QPushButton* help = makeButton(this, kHelpButton);
    QPushButton* end = makeButton(this, kEndButton);
    setTabOrder(play, help);
    setTabOrder(help, end);
    play->setFocus();
    connect(play, &QPushButton::clicked, [this] { qt::guarded([this] { program_.title().play(); }); });
    connect(help, &QPushButton::clicked, [this] { qt::guarded([this] { program_.title().help(); }); });
    connect(end, &QPushButton::clicked, [this] { qt::guarded([this] { program_.title().quit(); }); });
}

void TitleWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    qt::guarded([&] { program_.unload(ScreenId::Title); });
}

} // namespace zol::window
