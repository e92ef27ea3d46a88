#include "platform/sdl/SdlSoundDevice.h"
#include "tests/SoundDiskOutput.h"
#include "tests/SoundTestFiles.h"
#include "tests/SoundWaits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace zol {
namespace {

using namespace std::chrono_literals;
using test::DiskOutput;

constexpr auto kStartUp = 5s;
constexpr std::int16_t kFirstLevel = 6000;
constexpr std::int16_t kSecondLevel = -6000;
constexpr int kLevelTolerance = 8;

bool near(std::int16_t sample, std::int16_t level) { return std::abs(sample - level) <= kLevelTolerance; }

TEST(SoundCues, ACuePlayedThroughTheDeviceReachesTheOutput) {
    DiskOutput output;
    test::SoundTestFiles files;
    const auto cue = files.level("cue.wav", kFirstLevel, 0.1);
    {
        SdlSoundDevice device;
        ASSERT_TRUE(device.waitUntilReady(kStartUp));
        ASSERT_TRUE(test::playAnew(device, Channel::Cue, cue));
        EXPECT_TRUE(device.isPlaying(Channel::Cue));
        EXPECT_TRUE(test::playsUntil(device, Channel::Cue, std::chrono::steady_clock::now()));
    }
    const auto left = output.left();
    const auto heard = std::count_if(left.begin(), left.end(), [](auto s) { return near(s, kFirstLevel); });
    // The whole cue, a tenth of a second, and nothing more of it.
    EXPECT_NEAR(static_cast<double>(heard), 0.1 * DiskOutput::kRateHz, 64.0);
}

TEST(SoundCues, ASecondCueStartedTwentyMillisecondsLaterCutsTheFirst) {
    DiskOutput output;
    test::SoundTestFiles files;
    const auto first = files.level("first.wav", kFirstLevel, 1.0);
    const auto second = files.level("second.wav", kSecondLevel, 0.1);
    double gap = 0;
    {
        SdlSoundDevice device;
        ASSERT_TRUE(device.waitUntilReady(kStartUp));
        const auto firstStarted = std::chrono::steady_clock::now();
        ASSERT_TRUE(test::playAnew(device, Channel::Cue, first));
        std::this_thread::sleep_for(20ms);
        // A loaded machine may sleep longer: the gap is what it was.
        gap = std::chrono::duration<double>(std::chrono::steady_clock::now() - firstStarted).count();
        ASSERT_TRUE(test::playAnew(device, Channel::Cue, second));
        EXPECT_TRUE(test::playsUntil(device, Channel::Cue, std::chrono::steady_clock::now()));
    }
    const auto left = output.left();
    const auto firstStart = std::find_if(left.begin(), left.end(), [](auto s) { return near(s, kFirstLevel); });
    const auto secondStart = std::find_if(firstStart, left.end(), [](auto s) { return near(s, kSecondLevel); });
    ASSERT_NE(secondStart, left.end());
    // The first cue sounded for about 20 ms (give or take a mixer buffer)...
    EXPECT_NEAR(static_cast<double>(secondStart - firstStart), gap * DiskOutput::kRateHz, 2.0 * 512);
    // ...and never again once the second had begun: not after it, and not
    // under it either, where the two would have summed to nothing.
    EXPECT_EQ(std::count_if(secondStart, left.end(), [](auto s) { return near(s, kFirstLevel); }), 0);
    const auto secondHeard = std::count_if(secondStart, left.end(), [](auto s) { return near(s, kSecondLevel); });
    EXPECT_NEAR(static_cast<double>(secondHeard), 0.1 * DiskOutput::kRateHz, 64.0);
}

TEST(SoundCues, CuesAndTheTuneShareTheMixWithoutCuttingEachOther) {
    DiskOutput output;
    test::SoundTestFiles files;
    const auto cue = files.level("cue.wav", kFirstLevel, 0.05);
    const auto tune = files.tune("tune.mid", 4);
    SdlSoundDevice device;
    ASSERT_TRUE(device.waitUntilReady(kStartUp));
    ASSERT_TRUE(test::playAnew(device, Channel::Tune, tune));
    for (int i = 0; i < 5; ++i) {
        std::this_thread::sleep_for(51ms);
        ASSERT_TRUE(test::playAnew(device, Channel::Cue, cue));
        EXPECT_TRUE(device.isPlaying(Channel::Tune));
    }
}

} // namespace
} // namespace zol
