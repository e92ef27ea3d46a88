// The explosion at game over: sixteen sweeps of two fans of lines closing
// in on the top left corner, then a red disc of 601 circles.
#include "play/GameOver.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <vector>

namespace zol::test {
namespace {

using play::blastColour;
using play::sweepColour;

struct Line {
    double x1, y1, x2, y2;
    Rgb colour;
};

struct Circle {
    double cx, cy, radius;
    Rgb colour;
};

class RecordingDrawing : public Drawing {
public:
    void line(double x1, double y1, double x2, double y2, Rgb colour) override {
        lines.push_back({x1, y1, x2, y2, colour});
    }
    void circle(double cx, double cy, double radius, Rgb colour) override {
        circles.push_back({cx, cy, radius, colour});
    }
    void present(std::function<void()> then) override { then(); }

    std::vector<Line> lines;
    std::vector<Circle> circles;
};

TEST(SweepColour, RedRunsFromZeroAtTheFarEndToFullAtTheLastStep) {
    EXPECT_EQ(sweepColour(0, -300).r, 0);
    EXPECT_EQ(sweepColour(0, 0).r, 255);
    EXPECT_EQ(sweepColour(0, -299).r, 1);  // 0.85 rounds to 1
    EXPECT_EQ(sweepColour(0, -1).r, 254);  // 254.15
}

TEST(SweepColour, RedHalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(sweepColour(3, -290).r, 8);    // 8.5
    EXPECT_EQ(sweepColour(3, -270).r, 26);   // 25.5
    EXPECT_EQ(sweepColour(3, -150).r, 128);  // 127.5
    EXPECT_EQ(sweepColour(3, -10).r, 246);   // 246.5
}

TEST(SweepColour, BlueRisesByTwentyFiveAPassUpTo255AndGreenStaysOff) {
    EXPECT_EQ(sweepColour(0, -120).b, 0);
    EXPECT_EQ(sweepColour(1, -120).b, 25);
    EXPECT_EQ(sweepColour(10, -120).b, 250);
    for (int k = 11; k <= 15; ++k) EXPECT_EQ(sweepColour(k, -120).b, 255) << "pass " << k;
    EXPECT_EQ(sweepColour(7, -120).g, 0);
}

TEST(BlastColour, RedBrightensFromNothingAtTheCentreToFullAtRadius600) {
    EXPECT_EQ(blastColour(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(blastColour(600), (Rgb{255, 0, 0}));
    EXPECT_EQ(blastColour(20).r, 8);     // 8.5
    EXPECT_EQ(blastColour(60).r, 26);    // 25.5
    EXPECT_EQ(blastColour(300).r, 128);  // 127.5
    EXPECT_EQ(blastColour(580).r, 246);  // 246.5
    EXPECT_EQ(blastColour(1).r, 0);      // 0.425
}

TEST(Explosion, ItDraws9632LinesAnd601Circles) {
    RecordingDrawing drawing;
    const auto count = play::drawExplosion(drawing, 4472);
    EXPECT_EQ(count.lines, 9632);
    EXPECT_EQ(count.circles, 601);
    EXPECT_EQ(drawing.lines.size(), 9632u);
    EXPECT_EQ(drawing.circles.size(), 601u);
}

TEST(Explosion, EveryLineStartsOnTheGroundUnderTheMeteoriteAndTheFansCloseInOnTheTopLeftCorner) {
    RecordingDrawing drawing;
    play::drawExplosion(drawing, 1234);
    for (const Line& l : drawing.lines) {
        ASSERT_EQ(l.x1, 1234);
        ASSERT_EQ(l.y1, 5640);
        ASSERT_EQ(l.y2, -1000);
    }
    // Pass 0, step j = -300: the left line far out left, the right one far right.
    EXPECT_EQ(drawing.lines[0].x2, -15000);
    EXPECT_EQ(drawing.lines[1].x2, 15000);
    EXPECT_EQ(drawing.lines[0].colour, (Rgb{0, 0, 0}));
    // Step j = -299 moves both far ends 50 twips inwards.
    EXPECT_EQ(drawing.lines[2].x2, -14950);
    EXPECT_EQ(drawing.lines[3].x2, 14950);
    // The last step of a pass, j = 0, meets at (0, -1000) in full red.
    EXPECT_EQ(drawing.lines[601].x2, 0);
    EXPECT_EQ(drawing.lines[600].x2, 0);
    EXPECT_EQ(drawing.lines[601].colour, (Rgb{255, 0, 0}));
    // The last pass draws with blue 255.
    EXPECT_EQ(drawing.lines.back().colour, (Rgb{255, 0, 255}));
    EXPECT_EQ(drawing.lines[602].colour.b, 25);
}

TEST(Explosion, TheBlastIsCentredOnTheSameStartPointWithRadiiZeroTo600) {
    RecordingDrawing drawing;
    play::drawExplosion(drawing, 77);
    for (int r = 0; r <= 600; ++r) {
        const Circle& c = drawing.circles[static_cast<std::size_t>(r)];
        ASSERT_EQ(c.cx, 77);
        ASSERT_EQ(c.cy, 5640);
        ASSERT_EQ(c.radius, r);
        ASSERT_EQ(c.colour, blastColour(r));
    }
}

} // namespace
} // namespace zol::test
