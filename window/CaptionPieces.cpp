#include "window/CaptionPieces.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zol::window {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The caption cut before and after every digit.
std::vector<QString> cut(const QString& caption) {
    std::vector<QString> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (!isDigit(caption[i])) continue;
        if (i > start) pieces.push_back(caption.mid(start, i - start));
        pieces.push_back(caption.mid(i, 1));
        start = i + 1;
    }
    if (start < caption.size()) pieces.push_back(caption.mid(start));
    return pieces;
}

} // namespace

const CaptionPieces::Piece& CaptionPieces::piece(const QString& text) {
    auto it = pieces_.find(text);
    if (it != pieces_.end()) return it->second;
    QTextLayout layout(text, font_);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    // Italic glyphs lean out of their advance; half the line height on every
    // side holds them.
    const int margin = static_cast<int>(std::ceil(QFontMetricsF(font_).height() / 2));
    const QSize size(static_cast<int>(std::ceil(line.horizontalAdvance())) + 2 * margin,
                     static_cast<int>(std::ceil(line.height())) + 2 * margin);
    Piece made{QPixmap(size * dpr_), QPoint(margin, margin), line.horizontalAdvance(), line.ascent()};
    made.picture.setDevicePixelRatio(dpr_);
    made.picture.fill(Qt::transparent);
    QPainter p(&made.picture);
    p.setFont(font_);
    p.setPen(colour_);
    line.draw(&p, made.origin);
    return pieces_.emplace(text, std::move(made)).first->second;
}

bool CaptionPieces::drawOneLine(QPainter& painter, const QString& caption, qreal width, bool centre) {
    if (pieces_.size() >= kMaxPieces) pieces_.clear();
    std::vector<const Piece*> line;
    qreal advance = 0, ascent = 0;
    for (const QString& text : cut(caption)) {
        line.push_back(&piece(text));
        advance += line.back()->advance;
        ascent = std::max(ascent, line.back()->ascent);
    }
    if (advance > width) return false;
    // Pictures go on whole device pixels, where the glyphs in them were drawn.
    const auto onPixel = [this](qreal at) { return std::round(at * dpr_) / dpr_; };
    qreal x = centre ? (width - advance) / 2 : 0;
    for (const Piece* p : line) {
        // Each piece sits on its own baseline: all go on the line's.
        painter.drawPixmap(QPointF(onPixel(x), onPixel(ascent - p->ascent)) - p->origin, p->picture);
        x += p->advance;
    }
    return true;
}

} // namespace zol::window
