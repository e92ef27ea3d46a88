#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <cstddef>
#include <unordered_map>
#include <utility>

class QPainter;

namespace zol::window {

// Lays a caption out on one line from pieces drawn once: each digit on its
// own, and the text between the numbers as it comes, each kept as a picture
// in the caption's colour. A caption that only changes its numbers, like the
// score at every tick, then costs a copy per piece instead of shaping and
// drawing every glyph, which is most of what drawing it would cost.
class CaptionPieces {
public:
    CaptionPieces(QFont font, QColor colour, qreal dpr) : font_(std::move(font)), colour_(colour), dpr_(dpr) {}

    const QFont& font() const { return font_; }
    qreal dpr() const { return dpr_; }
    // Draws the caption on one line from the top of the painter's origin,
    // centred in `width` or from its left; false, drawing nothing, when the
    // caption does not fit on one line.
    bool drawOneLine(QPainter& painter, const QString& caption, qreal width, bool centre);

private:
    struct Piece {
        QPixmap picture;
        // Where the piece's pen starts in its picture, which leaves room for
        // what slanted glyphs reach out on either side.
        QPoint origin;
        qreal advance = 0;
        qreal ascent = 0;
    };
    // The pieces kept at most; captions are a handful of fixed texts.
    static constexpr std::size_t kMaxPieces = 64;

    const Piece& piece(const QString& text);

    QFont font_;
    QColor colour_;
    qreal dpr_;
    // Node-based: a piece stays where it is while others are added.
    std::unordered_map<QString, Piece> pieces_;
};

} // namespace zol::window
