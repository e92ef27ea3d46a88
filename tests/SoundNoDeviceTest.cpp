#include "platform/sdl/SdlSoundDevice.h"
#include "platform/sdl/TunePlayer.h"
#include "tests/SoundDiskOutput.h"
#include "tests/SoundTestFiles.h"
#include "tests/SoundWaits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace zol {
namespace {

using namespace std::chrono_literals;
using test::DiskOutput;

constexpr auto kStartUp = 5s;
constexpr auto kTick = 51ms;

long linesIn(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

long linesStartingWith(const std::string& text, const std::string& start) {
    long count = 0;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        if (text.compare(at, start.size(), start) == 0) ++count;
        if (text.find('\n', at) == std::string::npos) break;
    }
    return count;
}

// Forty ticks of the game: the tune restarted whenever it is not playing,
// and a cue in every tick.
void playTicks(SdlSoundDevice& device, const std::string& tune, const std::string& cue) {
    for (int tick = 0; tick < 40; ++tick) {
        if (!device.isPlaying(Channel::Tune)) test::playAnew(device, Channel::Tune, tune);
        test::playAnew(device, Channel::Cue, cue);
        std::this_thread::sleep_for(kTick / 10);
    }
}

TEST(SoundWithoutDevice, TheGameGoesOnSilentlyAfterOneLineOfExplanation) {
    setenv("SDL_AUDIODRIVER", "dummy-nonexistent", 1);
    test::SoundTestFiles files;
    const auto tune = files.tune("tune.mid", 4);
    const auto cue = files.level("cue.wav", 9000, 0.1);
    testing::internal::CaptureStderr();
    {
        SdlSoundDevice device;
        EXPECT_FALSE(device.waitUntilReady(kStartUp));
        playTicks(device, tune, cue);
        EXPECT_FALSE(device.isPlaying(Channel::Tune));
        EXPECT_FALSE(device.isPlaying(Channel::Cue));
        EXPECT_FALSE(test::playAnew(device, Channel::Cue, cue));
    }
    const auto said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(linesIn(said), 1) << said;
    EXPECT_NE(said.find("no sound device"), std::string::npos) << said;
}

TEST(SoundWithoutSoundFont, TheTuneRunsItsCourseInSilenceAfterOneLine) {
    DiskOutput output;
    test::SoundTestFiles files;
    const auto tune = files.tune("tune.mid", 2);
    testing::internal::CaptureStderr();
    {
        SdlSoundDevice device({files.path("nothing.sf2"), files.bytes("fake.sf2", {'s', 'f', '2'})});
        ASSERT_TRUE(device.waitUntilReady(kStartUp));
        const auto started = std::chrono::steady_clock::now();
        ASSERT_TRUE(test::playAnew(device, Channel::Tune, tune));
        // A second long, silent or not.
        const auto playedFor = test::playsUntil(device, Channel::Tune, started);
        ASSERT_TRUE(playedFor) << "the tune never ended";
        EXPECT_GE(*playedFor, 1000ms - std::chrono::milliseconds(TunePlayer::kLoopLeadMs) - 150ms);
    }
    const auto said = testing::internal::GetCapturedStderr();
    // SDL's disk driver announces itself in lines of its own; besides them
    // there is the one line of the game's that names the sound font.
    EXPECT_EQ(linesIn(said) - linesStartingWith(said, "CRITICAL: "), 1) << said;
    EXPECT_EQ(linesStartingWith(said, "zolbas: no General MIDI sound font"), 1) << said;
    EXPECT_LE(DiskOutput::peak(output.left()), DiskOutput::kSilenceLimit);
}

} // namespace
} // namespace zol
