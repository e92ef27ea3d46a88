#include "platform/TimerHold.h"
#include "platform/qt/QtClock.h"
#include "play/ExplosionShow.h"
#include "play/GameOver.h"
#include "platform/HandlerGuard.h"
#include "window/ExplosionCanvas.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace zol;

namespace {

// Draws the whole explosion on an offscreen play surface, as the game does
// at game over, and waits for the animation to finish.
// With `rescaleTo`, the window's scale changes once the show is over, as a
// switch to full screen would change it.
QImage explosionAt(float x0, qreal rescaleTo = 0) {
    QWidget window;
    window.setFixedSize(577, 409);
    TimerHold hold;
    HandlerGuard guard([](const std::string& message) { FAIL() << message; });
    qt::QtClock clock;
    play::ExplosionShow show(clock, hold, guard, [] {});
    window::ExplosionCanvas canvas(window, show, 1);
    play::drawExplosion(show, x0);
    QEventLoop loop;
    bool done = false;
    show.present([&] {
        done = true;
        loop.quit();
    });
    canvas.start();
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(done);
    if (rescaleTo > 0) canvas.rescale(rescaleTo);
    return canvas.image();
}

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

} // namespace

TEST(GameOverDrawing, TheLastSweepLeavesMagentaOnTheLineToTheTopLeftCorner) {
    const QImage surface = explosionAt(4500);
    // The lines of step 0 end at (0, -1000); the last pass draws them with
    // red 255 and blue 255. Halfway along: (2250, 2320) twips.
    EXPECT_EQ(surface.pixel(150, 155), rgb(255, 0, 255));
}

// Everything shown so far is drawn again at the new scale, a designed pixel
// to 2 × 2 pixels.
TEST(GameOverDrawing, AShowDrawnAgainAtTwiceTheScaleKeepsEveryStroke) {
    const QImage once = explosionAt(4500);
    const QImage twice = explosionAt(4500, 2);
    ASSERT_EQ(twice.size(), once.size() * 2);
    // The painted area grows four times, a little more as 2-pixel lines
    // close some of the gaps between the fine lines.
    const auto painted = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) != 0;
        return count;
    };
    EXPECT_NEAR(painted(twice) / 4.0 / painted(once), 1.05, 0.05);
    EXPECT_EQ(twice.pixel(300, 310), rgb(255, 0, 255));
}

TEST(GameOverDrawing, TheBlastIsADiscBrighteningOutwardsFromTheStartPoint) {
    const QImage surface = explosionAt(4500);
    const int cx = 300, cy = 376;  // (4500, 5640) twips
    const QColor centre = surface.pixelColor(cx, cy);
    EXPECT_LE(centre.red(), 8);
    const QColor mid = surface.pixelColor(cx + 20, cy);  // 300 twips out
    EXPECT_NEAR(mid.red(), 128, 6);
    EXPECT_EQ(mid.green(), 0);
    EXPECT_EQ(mid.blue(), 0);
    const QColor rim = surface.pixelColor(cx, cy - 39);  // 585 twips out
    EXPECT_NEAR(rim.red(), 249, 6);
    EXPECT_EQ(rim.blue(), 0);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
