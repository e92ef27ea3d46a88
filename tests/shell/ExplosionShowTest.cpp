// How a windowed front end paces the game-over explosion: the strokes are
// handed out as the clock runs over a second and a half, a circle taking the
// time of five lines, with the timers held until the end.
#include "platform/TimerHold.h"
#include "platform/sim/SimClock.h"
#include "play/ExplosionShow.h"
#include "play/GameOver.h"
#include "platform/HandlerGuard.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace zol::test {
namespace {

using play::ExplosionShow;

struct FramePainted {
    int lines = 0;
    int circles = 0;
};

class ExplosionShowTest : public ::testing::Test {
protected:
    // Asks for a frame every `everyMs`, as a front end does, until the show ends.
    std::vector<FramePainted> playFrames(std::size_t atMost, int everyMs = ExplosionShow::kFrameMs) {
        std::vector<FramePainted> frames;
        while (show.showing() && frames.size() < atMost) {
            EXPECT_TRUE(hold.explosionShown()) << "before frame " << frames.size();
            clock.set(clock.nowMs() + everyMs);
            FramePainted f;
            show.frame([&](const play::Stroke& s) { ++(s.isCircle ? f.circles : f.lines); });
            frames.push_back(f);
        }
        return frames;
    }

    int releases = 0;  // the timers going back on their schedules
    TimerHold hold{[this] { ++releases; }};
    std::vector<std::string> errors;
    HandlerGuard guard{[this](const std::string& message) { errors.push_back(message); }};
    int starts = 0;
    sim::SimClock clock;
    ExplosionShow show{clock, hold, guard, [this] { ++starts; }};
    int gameWentOn = 0;
};

TEST_F(ExplosionShowTest, TheGamesExplosionGrowsForOneAndAHalfSecondsWithACircleTakingFiveLinesTime) {
    const play::ExplosionCount drawn = play::drawExplosion(show, 3000);
    show.present([this] { ++gameWentOn; });
    EXPECT_EQ(starts, 1);
    const std::vector<FramePainted> frames = playFrames(1000);

    EXPECT_NEAR(static_cast<double>(frames.size()), 1500.0 / ExplosionShow::kFrameMs, 2);
    std::size_t firstCircleFrame = frames.size();
    int lines = 0, circles = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_GT(frames[i].lines + frames[i].circles, 0) << "frame " << i << " painted nothing";
        if (frames[i].circles > 0 && firstCircleFrame == frames.size()) firstCircleFrame = i;
        lines += frames[i].lines;
        circles += frames[i].circles;
    }
    EXPECT_EQ(lines, drawn.lines);
    EXPECT_EQ(circles, drawn.circles);
    // The sweeps take their share of the time: 9632 lines against 601 circles
    // of five lines each, about three quarters.
    const double lineShare = drawn.lines / (drawn.lines + 5.0 * drawn.circles);
    EXPECT_NEAR(static_cast<double>(firstCircleFrame) / static_cast<double>(frames.size()), lineShare, 0.02);

    // The last frame lets the timers go, once, and the game goes on.
    EXPECT_FALSE(hold.held());
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(gameWentOn, 1);
    show.frame([](const play::Stroke&) { ADD_FAILURE() << "a stroke after the end"; });
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(gameWentOn, 1);
    EXPECT_TRUE(errors.empty());
}

// However few the strokes, or late the frames, the show takes its time and
// no longer. A stroke shows once its own time has passed: after ten lines,
// the first circle at three quarters (10 + 5 of 20).
TEST_F(ExplosionShowTest, ASmallShowOrLateFramesKeepTheSameTime) {
    for (int i = 0; i < 10; ++i) show.line(0, 0, 15 * i, 150, Rgb{255, 0, 0});
    for (int i = 0; i < 2; ++i) show.circle(0, 0, 15 * i, Rgb{255, 0, 0});
    show.present([this] { ++gameWentOn; });
    std::vector<FramePainted> frames = playFrames(1000);
    EXPECT_NEAR(static_cast<double>(frames.size()), 1500.0 / ExplosionShow::kFrameMs, 1);
    std::size_t firstCircleFrame = 0;
    while (frames[firstCircleFrame].circles == 0) ++firstCircleFrame;
    EXPECT_NEAR(static_cast<double>(firstCircleFrame + 1) / static_cast<double>(frames.size()), 0.75, 0.02);

    show.present([this] { ++gameWentOn; });  // nothing left: over on time
    frames = playFrames(1000, 100);
    EXPECT_EQ(frames.size(), 15u);
    EXPECT_EQ(gameWentOn, 2);
}

// The play window closed midway: the timers go at once, and neither the
// rest of the show nor the game's continuation runs.
TEST_F(ExplosionShowTest, AShowDroppedMidwayLetsTheTimersGoOnceAndEndsThere) {
    for (int i = 0; i < 1000; ++i) show.line(0, 0, 15 * i, 150, Rgb{255, 0, 0});
    show.present([this] { ++gameWentOn; });
    ASSERT_EQ(playFrames(10).size(), 10u);
    show.drop();
    EXPECT_FALSE(show.showing());
    EXPECT_FALSE(hold.held());
    EXPECT_EQ(releases, 1);
    show.frame([](const play::Stroke&) { ADD_FAILURE() << "a stroke after the drop"; });
    EXPECT_TRUE(show.shown().empty());
    EXPECT_EQ(gameWentOn, 0);
}

} // namespace
} // namespace zol::test
