#include "window/LabelView.h"

#include "window/Fonts.h"
#include "window/QtPixels.h"

#include <QPainter>
#include <QTextOption>

#include <optional>
#include <string_view>

namespace zol::window {

void LabelView::paint(QPainter& painter, const play::SceneItem& label, qreal dpr) {
    const QRect r = qrect(label.rect);
    if (pixmap_.isNull() || look_ != label.look || caption_ != label.caption || pixmap_.deviceIndependentSize() != r.size() ||
        pixmap_.devicePixelRatio() != dpr) {
        render(label, dpr);
    }
    painter.drawPixmap(r.topLeft(), pixmap_);
}

// The caption from the top, wrapped at word breaks, clipped to the label.
void LabelView::render(const play::SceneItem& label, qreal dpr) {
    const QRect r = qrect(label.rect);
    const play::LabelLook& look = *label.look;
    const QColor text = look.text ? qcolor(*look.text) : systemText_;
    if (look_ != label.look || !pieces_ || pieces_->dpr() != dpr) pieces_.emplace(designedFont(look.font), text, dpr);
    look_ = label.look;
    caption_ = label.caption;
    pixmap_ = QPixmap(r.size() * dpr);
    pixmap_.setDevicePixelRatio(dpr);
    pixmap_.fill(look.back ? qcolor(*look.back) : QColor(Qt::transparent));
    QPainter p(&pixmap_);
    p.setFont(pieces_->font());
    p.setPen(text);
    const QString caption = QString::fromUtf8(caption_.data(), static_cast<int>(caption_.size()));
    const bool centre = look.align == play::Align::Centre;
    if (pieces_->drawOneLine(p, caption, r.width(), centre)) return;
    QTextOption option(centre ? Qt::AlignHCenter : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    p.drawText(QRectF(QPointF(0, 0), QSizeF(r.size())), caption, option);
}

} // namespace zol::window
