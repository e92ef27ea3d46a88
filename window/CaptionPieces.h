#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>

#include <cstddef>
#include <unordered_map>
#include <utility>

class QPainter;

namespace zol::window {

// Lays a caption out on one line from pieces shaped once: each digit on its
// own, and the text between the numbers as it comes. A caption that only
// changes its numbers, like the score at every tick, then costs no text
// shaping, which is most of what drawing it would cost.
class CaptionPieces {
public:
    explicit CaptionPieces(QFont font) : font_(std::move(font)) {}

    const QFont& font() const { return font_; }
    // Draws the caption on one line from the top of the painter's origin,
    // centred in `width` or from its left; false, drawing nothing, when the
    // caption does not fit on one line.
    bool drawOneLine(QPainter& painter, const QString& caption, qreal width, bool centre);

private:
    struct Piece {
        QList<QGlyphRun> runs;
        qreal advance = 0;
        qreal ascent = 0;
    };
    // The pieces kept at most; captions are a handful of fixed texts.
    static constexpr std::size_t kMaxPieces = 64;

    const Piece& piece(const QString& text);

    QFont font_;
    // Node-based: a piece stays where it is while others are added.
    std::unordered_map<QString, Piece> pieces_;
};

} // namespace zol::window
