#include "window/Fonts.h"

#include <QStringList>

namespace zol::window {

void installFontSubstitutions() {
    const QStringList gothic{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    const QStringList mincho{QStringLiteral("IPAPMincho"), QStringLiteral("Noto Serif CJK JP")};
    QFont::insertSubstitutions(QString::fromUtf8(play::kGothic), gothic);
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"), gothic);
    QFont::insertSubstitutions(QString::fromUtf8(play::kMincho), mincho);
}

QFont designedFont(const play::Font& font, bool underline) {
    QFont f(QString::fromUtf8(font.family));
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(underline);
    return f;
}

} // namespace zol::window
