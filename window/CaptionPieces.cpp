#include "window/CaptionPieces.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>
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
    return pieces_.emplace(text, Piece{line.glyphRuns(), line.horizontalAdvance(), line.ascent()}).first->second;
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
    qreal x = centre ? (width - advance) / 2 : 0;
    for (const Piece* p : line) {
        // Each piece's glyphs sit on its own baseline: all go on the line's.
        for (const QGlyphRun& run : p->runs) painter.drawGlyphRun(QPointF(x, ascent - p->ascent), run);
        x += p->advance;
    }
    return true;
}

} // namespace zol::window
