// How a windowed front end paces the game-over explosion: the strokes are
// handed out frame by frame over about a second and a half, a circle taking
// the time of five lines, with the timers held until the last frame.
#include "platform/TimerHold.h"
#include "play/ExplosionShow.h"
#include "play/GameOver.h"
#include "shell/HandlerGuard.h"

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
    // Asks for frames as a front end does, until the show ends.
    std::vector<FramePainted> playFrames(std::size_t atMost) {
        std::vector<FramePainted> frames;
        while (show.showing() && frames.size() < atMost) {
            EXPECT_TRUE(hold.explosionShown()) << "before frame " << frames.size();
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
    ExplosionShow show{hold, guard, [this] { ++starts; }};
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
