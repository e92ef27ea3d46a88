#include "play/GameOver.h"
#include "window/PlayDrawing.h"

#include <QApplication>
#include <QEventLoop>
#include <QWidget>

#include <gtest/gtest.h>

using namespace zol;

namespace {

// Draws the whole explosion on an offscreen play surface, as the game does
// at game over, and waits for the animation to finish.
QImage explosionAt(float x0, int* holds = nullptr) {
    QWidget window;
    window.setFixedSize(577, 409);
    int held = 0;
    window::PlayDrawing drawing(window, [&](bool hold) { held += hold ? 1 : 0; });
    play::drawExplosion(drawing, x0);
    QEventLoop loop;
    bool done = false;
    drawing.present([&] {
        done = true;
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(done);
    if (holds) *holds = held;
    return drawing.surface();
}

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b); }

} // namespace

TEST(GameOverDrawing, TheLastSweepLeavesMagentaOnTheLineToTheTopLeftCorner) {
    const QImage surface = explosionAt(4500);
    // The lines of step 0 end at (0, -1000); the last pass draws them with
    // red 255 and blue 255. Halfway along: (2250, 2320) twips.
    EXPECT_EQ(surface.pixel(150, 155), rgb(255, 0, 255));
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

TEST(GameOverDrawing, TheTimersAreHeldWhileTheExplosionIsShown) {
    int holds = 0;
    explosionAt(100, &holds);
    EXPECT_EQ(holds, 1);
}

TEST(GameOverDrawing, AWindowClosedDuringTheAnimationReleasesTheTimers) {
    QWidget window;
    window.setFixedSize(577, 409);
    bool held = false;
    bool continued = false;
    {
        window::PlayDrawing drawing(window, [&](bool hold) { held = hold; });
        play::drawExplosion(drawing, 100);
        drawing.present([&] { continued = true; });
        EXPECT_TRUE(held);
    }
    EXPECT_FALSE(held);
    EXPECT_FALSE(continued);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
