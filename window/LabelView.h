#pragma once

#include "play/PlayControls.h"

#include <QColor>
#include <QFont>
#include <QStaticText>

#include <optional>

class QPainter;

namespace zol::window {

// Paints one label of a form as the forms runtime does: its back colour
// (unless transparent), then its caption from the top, wrapped at word
// breaks; the label keeps its size whatever its caption. The laid-out text
// is kept until the caption changes, so a tick repaints it cheaply.
class LabelView {
public:
    LabelView(const play::Font& font, std::optional<Rgb> back, std::optional<Rgb> text, Qt::Alignment align);

    void paint(QPainter& painter, const play::Label& label, const QColor& systemText);

private:
    QFont font_;
    std::optional<Rgb> back_;
    std::optional<Rgb> text_;
    Qt::Alignment align_;
    std::string caption_;
    QStaticText laidOut_;
    bool valid_ = false;
};

} // namespace zol::window
