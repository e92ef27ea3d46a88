#include "window/TitleWindow.h"

#include "shell/FrontEnd.h"
#include "shell/TitleLayout.h"
#include "window/Fonts.h"
#include "window/FormWindow.h"
#include "window/Sprites.h"
#include "window/QtPixels.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace zol::window {

using namespace title;

namespace {

QPushButton* makeButton(QWidget* parent, const TitleButton& design) {
    auto* button = new QPushButton(QString::fromUtf8(design.caption), parent);
    button->setGeometry(qrect(design.box));
    button->setFont(designedFont(design.font, design.underline));
    // Enter chooses the button with the focus, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

TitleWindow::TitleWindow(FrontEnd& game) : game_(game) {
    setUpFormWindow(*this, kCaption, kClientWidthTw, kClientHeightTw, kBackColor, true);

    for (const TitleLabel& design : kTitleLines) {
        auto* label = new QLabel(QString::fromUtf8(design.caption), this);
        label->setGeometry(qrect(design.box));
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
    connect(play, &QPushButton::clicked, [this] { game_.buttonChosen(Button::Play); });
    connect(help, &QPushButton::clicked, [this] { game_.buttonChosen(Button::Help); });
    connect(end, &QPushButton::clicked, [this] { game_.buttonChosen(Button::End); });
}

void TitleWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    game_.closePressed(ScreenId::Title);
}

} // namespace zol::window
