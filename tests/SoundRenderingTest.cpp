#include "platform/sdl/GmSynth.h"
#include "platform/sdl/TunePlayer.h"
#include "platform/sdl/TuneRenderer.h"
#include "tests/SoundMixHook.h"
#include "tests/SoundSeam.h"
#include "tests/SoundTestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <future>
#include <thread>

namespace zol {
namespace {

constexpr int kRateHz = 44100;

std::unique_ptr<RenderedTune> renderAhead(const SongRef& song) {
    const std::atomic<bool> never{false};
    return TuneRenderer::render(song, GmSynth::defaultSoundFonts(), kRateHz, never);
}

class SoundRendering : public testing::Test {
protected:
    void SetUp() override {
        synth_ = std::make_unique<GmSynth>(kRateHz, GmSynth::defaultSoundFonts());
        ASSERT_NE(synth_->synth(), nullptr) << "needs the General MIDI sound font";
    }

    test::SoundTestFiles files_;
    std::unique_ptr<GmSynth> synth_;
};

TEST_F(SoundRendering, IsSampleForSampleWhatAFreshSynthPlaysLive) {
    const auto song = test::loadSong(files_.tune("tune.mid", 2));
    const auto rendering = renderAhead(song);
    ASSERT_TRUE(rendering);
    ASSERT_EQ(rendering->roundFrames, kRateHz);
    TunePlayer live(kRateHz);
    live.attachSynth(synth_->synth());
    live.start(song);
    const auto heard = test::mixFrames(live, static_cast<int>(rendering->frames()));
    EXPECT_TRUE(std::equal(heard.begin(), heard.end(), rendering->samples.begin()));
    EXPECT_GT(*std::max_element(heard.begin(), heard.end()), 2000);
}

TEST_F(SoundRendering, ALiveRoundMovesToItsRenderingWithoutASeamAndLetsTheSynthGo) {
    auto song = test::loadSong(files_.tune("tune.mid", 4));
    auto rendering = renderAhead(song);
    ASSERT_TRUE(rendering);
    const std::vector<std::int16_t> expected = rendering->samples;
    TunePlayer player(kRateHz);
    player.attachSynth(synth_->synth());
    player.start(song);
    auto heard = test::mixFrames(player, kRateHz / 3);
    EXPECT_FALSE(player.synthIdle());
    song->publish(std::move(rendering));
    const auto rest = test::mixFrames(player, kRateHz);
    heard.insert(heard.end(), rest.begin(), rest.end());
    EXPECT_TRUE(std::equal(heard.begin(), heard.end(), expected.begin()));
    EXPECT_TRUE(player.synthIdle());
    // The synthesizer is taken away while the audio thread goes on: the
    // tune plays on from memory to its end.
    auto detached = std::async(std::launch::async, [&] { return player.detachSynth(std::chrono::seconds(1)); });
    while (detached.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
        const auto more = test::mixFrames(player, 512);
        heard.insert(heard.end(), more.begin(), more.end());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(detached.get());
    const auto end = test::mixFrames(player, kRateHz / 2);
    heard.insert(heard.end(), end.begin(), end.end());
    ASSERT_LE(heard.size(), expected.size());
    EXPECT_TRUE(std::equal(heard.begin(), heard.end(), expected.begin()));
}

// A tune that still sounds at its end, looped from memory, against the same
// tune looped live: every 10 ms from just before the loop point to a second
// after it has the same level, and the difference is far under the sound.
TEST_F(SoundRendering, TheLoopFromMemorySoundsLikeTwoRoundsPlayedLive) {
    const auto song = test::loadSong(files_.ringingTune("ringing.mid", 4));
    TunePlayer live(kRateHz);
    live.attachSynth(synth_->synth());
    const auto reference = test::playRounds(live, song, 2, kRateHz);
    auto rendering = renderAhead(song);
    ASSERT_TRUE(rendering);
    const auto seam = static_cast<std::size_t>(rendering->roundFrames);
    song->publish(std::move(rendering));
    TunePlayer fromMemory(kRateHz);
    const auto looped = test::playRounds(fromMemory, song, 2, kRateHz);
    ASSERT_EQ(looped.size(), reference.size());
    const auto seamed = test::compareSeams(looped, reference, seam, kRateHz, 10);
    EXPECT_LT(seamed.worstLevelDb, 1.0);
    EXPECT_LT(seamed.differenceDb, -20.0);
}

TEST_F(SoundRendering, ATuneStoppedInMemoryFadesOutWithoutAClick) {
    auto song = test::loadSong(files_.ringingTune("ringing.mid", 4));
    song->publish(renderAhead(song));
    TunePlayer player(kRateHz);
    player.start(song);
    const auto playing = test::mixFrames(player, kRateHz / 2);
    player.stop();
    const auto after = test::leftOf(test::mixFrames(player, kRateHz / 10));
    int largestStep = 0;
    for (std::size_t i = 1; i < after.size(); ++i) largestStep = std::max(largestStep, std::abs(after[i] - after[i - 1]));
    const auto before = test::leftOf(playing);
    int usualStep = 0;
    for (std::size_t i = 1; i < before.size(); ++i) usualStep = std::max(usualStep, std::abs(before[i] - before[i - 1]));
    EXPECT_LE(largestStep, usualStep);
    // Gone within the fade and one buffer.
    const std::size_t fadeFrames = RingingTails::kStopFadeMs * kRateHz / 1000 + 512;
    EXPECT_TRUE(std::all_of(after.begin() + fadeFrames, after.end(), [](auto s) { return s == 0; }));
}

TEST_F(SoundRendering, TheSynthRendersNothingOnceAStoppedTuneHasRungOut) {
    const auto song = test::loadSong(files_.tune("tune.mid", 4));
    TunePlayer player(kRateHz);
    player.attachSynth(synth_->synth());
    player.start(song);
    test::mixFrames(player, kRateHz / 2);
    player.stop();
    test::mixFrames(player, kRateHz / 2);
    EXPECT_FALSE(player.synthIdle()) << "the reverb still rings";
    test::mixFrames(player, SynthOutput::kReverbTailMs * kRateHz / 1000);
    EXPECT_TRUE(player.synthIdle());
    const auto silence = test::mixFrames(player, kRateHz / 10);
    EXPECT_TRUE(std::all_of(silence.begin(), silence.end(), [](auto s) { return s == 0; }));
}

TEST_F(SoundRendering, ATuneTooLongToKeepInMemoryIsNotRendered) {
    // 200 beats at 120 a minute: 100 s, more than 12 MiB of samples.
    const auto song = test::loadSong(files_.tune("long.mid", 200));
    ASSERT_TRUE(song);
    EXPECT_FALSE(renderAhead(song));
    // Under the limit it is.
    EXPECT_TRUE(renderAhead(test::loadSong(files_.tune("short.mid", 2))));
}

} // namespace
} // namespace zol
