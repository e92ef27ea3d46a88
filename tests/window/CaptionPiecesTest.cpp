#include "play/PlayLayout.h"
#include "play/Pixels.h"
#include "window/CaptionPieces.h"
#include "window/Fonts.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextOption>

#include <gtest/gtest.h>

using namespace zol;

namespace {

QImage blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// The caption as Qt's own text drawing lays it out in one go.
QImage drawnWhole(const QFont& font, const QString& caption, QSize size, bool centre) {
    QImage image = blank(size);
    QPainter p(&image);
    p.setFont(font);
    QTextOption option(centre ? Qt::AlignHCenter : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    p.drawText(QRectF(QPointF(0, 0), QSizeF(size)), caption, option);
    return image;
}

QImage drawnInPieces(window::CaptionPieces& pieces, const QString& caption, QSize size, bool centre, bool* fits) {
    QImage image = blank(size);
    QPainter p(&image);
    p.setFont(pieces.font());
    *fits = pieces.drawOneLine(p, caption, size.width(), centre);
    return image;
}

// The smallest rectangle holding every dark pixel.
QRect ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    return box;
}

int darkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 128;
    return n;
}

QSize sizeOf(const play::Box& box) { return {play::toPixels(box.width), play::toPixels(box.height)}; }

struct Case {
    play::Font font;
    play::Box box;
    bool centre;
    const char* captions[3];
};

} // namespace

// One piecer per label, as the play window keeps them: captions that follow
// one another must each come out where and as Qt would lay them out whole,
// within a pixel, whatever pieces the earlier ones left behind.
TEST(CaptionPieces, LaysCaptionsOutAsTheWholeTextWould) {
    const Case cases[] = {
        {play::kStatusLineFont, play::kStatusLineBox, true,
         {"隕石のかず－30個  現在の得点－0Pts  ＬＥＶＥＬ－1", "隕石のかず－29個  現在の得点－125Pts  ＬＥＶＥＬ－1",
          "隕石のかず－3個  現在の得点－98210Pts  ＬＥＶＥＬ－12"}},
        {play::kBestScoreFont, play::kBestScoreBox, false, {"HI-0LV:1", "HI-4711LV:5", "HI-1000000LV:1001"}},
        {play::kComboBannerFont, play::kComboBannerBox, false, {"1HIT!", "12HIT!", "7HIT!"}},
    };
    for (const Case& c : cases) {
        window::CaptionPieces pieces(window::designedFont(c.font), Qt::black, 1.0);
        const QSize size = sizeOf(c.box);
        for (const char* caption : c.captions) {
            SCOPED_TRACE(caption);
            const QString text = QString::fromUtf8(caption);
            bool fits = false;
            const QImage piecewise = drawnInPieces(pieces, text, size, c.centre, &fits);
            ASSERT_TRUE(fits);
            const QImage whole = drawnWhole(pieces.font(), text, size, c.centre);
            const QRect a = ink(piecewise), b = ink(whole);
            ASSERT_FALSE(b.isEmpty());
            EXPECT_LE(std::abs(a.left() - b.left()), 1);
            EXPECT_LE(std::abs(a.right() - b.right()), 1);
            EXPECT_EQ(a.top(), b.top());
            EXPECT_EQ(a.bottom(), b.bottom());
            EXPECT_NEAR(darkPixels(piecewise), darkPixels(whole), darkPixels(whole) / 20);
        }
    }
}

// A caption wider than its label is left to the wrapping layout, untouched.
TEST(CaptionPieces, RefusesACaptionTooWideForOneLine) {
    window::CaptionPieces pieces(window::designedFont(play::kBestScoreFont), Qt::black, 1.0);
    bool fits = true;
    const QImage image =
        drawnInPieces(pieces, QString::fromUtf8("HI-2147483647LV:1234568 HI-2147483647LV:1234568"), sizeOf(play::kBestScoreBox), false, &fits);
    EXPECT_FALSE(fits);
    EXPECT_EQ(darkPixels(image), 0);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    window::installFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
