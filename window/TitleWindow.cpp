#include "window/TitleWindow.h"

#include "shell/FrontEnd.h"
#include "shell/TitleLayout.h"
#include "window/Fonts.h"
#include "window/Sprites.h"
#include "window/QtPixels.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace zol::window {

using namespace title;

namespace {

QPushButton* makeButton(QWidget* stage, const TitleButton& design) {
    auto* button = new QPushButton(QString::fromUtf8(design.caption), stage);
    button->setFont(designedFont(design.font, design.underline));
    // Enter chooses the button with the focus, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

TitleWindow::TitleWindow(FrontEnd& game) : FormWindow(ScreenId::Title, kCaption, kBackColor, true), game_(game) {
    for (const TitleLabel& design : kTitleLines) {
        auto* label = new QLabel(QString::fromUtf8(design.caption), stage());
        label->setFont(designedFont(design.font, design.underline));
        place(label, qrect(design.box));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (!design.systemTextColour) label->setStyleSheet(QStringLiteral("color: %1").arg(qcolor(design.textColour).name()));
    }

    QPushButton* play = place(makeButton(stage(), kPlayButton), qrect(kPlayButton.box));
    QPushButton* help = place(makeButton(stage(), kHelpButton), qrect(kHelpButton.box));
    QPushButton* end = place(makeButton(stage(), kEndButton), qrect(kEndButton.box));
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
