#include "platform/sdl/GmSynth.h"
#include "platform/sdl/MidiFileReader.h"
#include "platform/sdl/SdlSoundDevice.h"
#include "platform/sdl/TunePlayer.h"
#include "tests/SoundDiskOutput.h"
#include "tests/SoundMixHook.h"
#include "tests/SoundTestFiles.h"
#include "tests/SoundWaits.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace zol {
namespace {

using namespace std::chrono_literals;
using test::DiskOutput;

constexpr auto kStartUp = 5s;
constexpr int kRateHz = 44100;

std::vector<std::int16_t> renderFrames(TunePlayer& player, int frames) {
    return test::leftOf(test::mixFrames(player, frames));
}

std::size_t firstLoud(const std::vector<std::int16_t>& left, std::size_t from, int threshold) {
    for (std::size_t i = from; i < left.size(); ++i) {
        if (std::abs(left[i]) > threshold) return i;
    }
    return left.size();
}

TEST(SoundTune, PlaysAndCountsAsPlayingUntilItHasEnded) {
    DiskOutput output;
    test::SoundTestFiles files;
    const auto tune = files.tune("tune.mid", 2);
    {
        SdlSoundDevice device;
        ASSERT_TRUE(device.waitUntilReady(kStartUp));
        const auto started = std::chrono::steady_clock::now();
        ASSERT_TRUE(test::playAnew(device, Channel::Tune, tune));
        EXPECT_TRUE(device.isPlaying(Channel::Tune));
        // A second long, it counts as playing until the loop's lead before
        // its end.
        const auto playedFor = test::playsUntil(device, Channel::Tune, started);
        ASSERT_TRUE(playedFor) << "the tune never ended";
        EXPECT_GE(*playedFor, 1000ms - std::chrono::milliseconds(TunePlayer::kLoopLeadMs) - 150ms);
    }
    EXPECT_GT(DiskOutput::peak(output.left()), 2000);
}

TEST(SoundTune, StartedBeforeTheSynthIsReadyItCountsAsPlayingAndBeginsOnceItIs) {
    DiskOutput output;
    test::SoundTestFiles files;
    const auto tune = files.tune("tune.mid", 2);
    {
        SdlSoundDevice device;
        ASSERT_TRUE(test::playAnew(device, Channel::Tune, tune));
        EXPECT_TRUE(device.isPlaying(Channel::Tune));
        ASSERT_TRUE(device.waitUntilReady(kStartUp));
        std::this_thread::sleep_for(300ms);
        EXPECT_TRUE(device.isPlaying(Channel::Tune));
    }
    EXPECT_GT(DiskOutput::peak(output.left()), 2000);
}

TEST(SoundTune, RestartedInItsLastMomentsTheTuneFollowsOnFromItsLastBarLine) {
    test::SoundTestFiles files;
    const auto song = test::loadSong(files.tune("tune.mid", 2));
    ASSERT_TRUE(song);
    GmSynth synth(kRateHz, GmSynth::defaultSoundFonts());
    ASSERT_NE(synth.synth(), nullptr);
    TunePlayer player(kRateHz);
    player.attachSynth(synth.synth());
    player.start(song);
    // Play on, as the game does, until the tune no longer counts as playing.
    auto left = renderFrames(player, 512);
    while (player.isPlaying()) {
        const auto more = renderFrames(player, 512);
        left.insert(left.end(), more.begin(), more.end());
    }
    EXPECT_GT(left.size(), kRateHz - TunePlayer::kLoopLeadMs * kRateHz / 1000 - 1024);
    EXPECT_LT(left.size(), std::size_t{kRateHz});
    player.stop();
    player.start(song);
    EXPECT_TRUE(player.isPlaying());
    const auto more = renderFrames(player, kRateHz / 2);
    left.insert(left.end(), more.begin(), more.end());
    // The tune is one second long: its first note comes again exactly one
    // second after it first came (FluidSynth starts notes on 64-frame
    // blocks).
    // Loud means a quarter of the first round's peak: the reverb of the
    // first note is still fading.
    const int threshold = DiskOutput::peak({left.begin(), left.begin() + kRateHz / 2}) / 4;
    ASSERT_GT(threshold, 500);
    const auto first = firstLoud(left, 0, threshold);
    EXPECT_LT(first, 128u);
    const auto again = firstLoud(left, kRateHz * 3 / 4, threshold);
    EXPECT_NEAR(static_cast<double>(again - first), kRateHz, 64.0);
}

// The first tune is rendered and played from memory by the time it ends;
// the file then changes: the next start plays the new file (longer, so it
// counts as playing for longer), then the file goes: nothing plays.
TEST(SoundTune, EachStartFollowsTheFileAsItIsThen) {
    DiskOutput output;
    test::SoundTestFiles files;
    const auto tune = files.tune("music1.mid", 2);
    {
        SdlSoundDevice device;
        ASSERT_TRUE(device.waitUntilReady(kStartUp));
        ASSERT_TRUE(test::playAnew(device, Channel::Tune, tune));
        ASSERT_TRUE(test::playsUntil(device, Channel::Tune, std::chrono::steady_clock::now()));
        files.tune("music1.mid", 8);
        const auto second = std::chrono::steady_clock::now();
        ASSERT_TRUE(test::playAnew(device, Channel::Tune, tune));
        const auto playedFor = test::playsUntil(device, Channel::Tune, second);
        ASSERT_TRUE(playedFor) << "the second tune never ended";
        EXPECT_GE(*playedFor, 3s);  // four seconds long, not the first file's one
        std::filesystem::remove(tune);
        EXPECT_FALSE(test::playAnew(device, Channel::Tune, tune));
        EXPECT_FALSE(device.isPlaying(Channel::Tune));
    }
    // The second tune was heard, after the first one had ended: the
    // output's second second after the first note (the device plays
    // silence before it while the synthesizer loads, for as long as that
    // takes).
    const auto left = output.left();
    const auto first = firstLoud(left, 0, 2000);
    ASSERT_LT(first + 3 * kRateHz, left.size());
    EXPECT_GT(DiskOutput::peak({left.begin() + first + 2 * kRateHz, left.begin() + first + 3 * kRateHz}), 2000);
}

TEST(SoundTune, StoppedInTheMiddleItEndsAtOnce) {
    test::SoundTestFiles files;
    const auto song = test::loadSong(files.tune("tune.mid", 8));
    ASSERT_TRUE(song);
    TunePlayer player(kRateHz);
    player.attachSynth(nullptr);
    player.start(song);
    renderFrames(player, kRateHz);
    EXPECT_TRUE(player.isPlaying());
    player.stop();
    EXPECT_FALSE(player.isPlaying());
}

TEST(SoundTune, WaitsForItsSynthWithoutLosingItsBeginning) {
    test::SoundTestFiles files;
    const auto song = test::loadSong(files.tune("tune.mid", 2));
    ASSERT_TRUE(song);
    TunePlayer player(kRateHz);
    player.start(song);
    // Three seconds of mixing while the sound font still loads...
    renderFrames(player, 3 * kRateHz);
    EXPECT_TRUE(player.isPlaying());
    // ...and then the whole one-second tune is still to come.
    player.attachSynth(nullptr);
    renderFrames(player, kRateHz / 2);
    EXPECT_TRUE(player.isPlaying());
    renderFrames(player, kRateHz / 2);
    EXPECT_FALSE(player.isPlaying());
}

} // namespace
} // namespace zol
