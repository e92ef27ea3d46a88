#include "window/LabelView.h"

#include "window/Fonts.h"
#include "window/Twips.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

namespace zol::window {

LabelView::LabelView(const play::Font& font, std::optional<Rgb> back, std::optional<Rgb> text, Qt::Alignment align)
    : font_(designedFont(font)), back_(back), text_(text), align_(align) {}

void LabelView::paint(QPainter& painter, const play::Label& label, const QColor& systemText) {
    const QRect r = pixelRect(label.box);
    if (back_) painter.fillRect(r, qcolor(*back_));
    if (!valid_ || caption_ != label.caption) {
        caption_ = label.caption;
        laidOut_.setText(QString::fromStdString(caption_));
        laidOut_.setTextFormat(Qt::PlainText);
        laidOut_.setTextWidth(r.width());
        QTextOption option(align_);
        option.setWrapMode(QTextOption::WordWrap);
        laidOut_.setTextOption(option);
        laidOut_.prepare(painter.transform(), font_);
        valid_ = true;
    }
    painter.save();
    painter.setClipRect(r);
    painter.setFont(font_);
    painter.setPen(text_ ? qcolor(*text_) : systemText);
    painter.drawStaticText(r.topLeft(), laidOut_);
    painter.restore();
}

} // namespace zol::window
