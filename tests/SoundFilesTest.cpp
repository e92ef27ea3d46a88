#include "platform/sdl/MidiFileReader.h"
#include "tools/CueLevel.h"
#include "tools/LevelUpSound.h"
#include "tools/SquashSound.h"
#include "tools/Tune.h"
#include "tools/WavWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zol {
namespace {

const std::string kFolder = ZOLBAS_SOUND_FOLDER;

std::vector<std::uint8_t> readFile(const std::string& name) {
    std::ifstream in(kFolder + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t little(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | b.at(at + i);
    return value;
}

// A cue file as the mixer will see it, checked to be plain 16-bit PCM.
struct Cue {
    int rateHz = 0;
    std::vector<std::int16_t> samples;

    explicit Cue(const std::string& name) {
        const auto b = readFile(name);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
        EXPECT_EQ(little(b, 20, 2), 1u) << "PCM";
        EXPECT_EQ(little(b, 22, 2), 1u) << "mono";
        EXPECT_EQ(little(b, 34, 2), 16u) << "bits";
        rateHz = static_cast<int>(little(b, 24, 4));
        const auto dataBytes = little(b, 40, 4);
        EXPECT_EQ(dataBytes + 44, b.size());
        for (std::size_t at = 44; at + 1 < b.size(); at += 2) {
            samples.push_back(static_cast<std::int16_t>(little(b, at, 2)));
        }
    }
    double seconds() const { return static_cast<double>(samples.size()) / rateHz; }
    double peakDbfs() const {
        int peak = 0;
        for (const auto s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        return 20.0 * std::log10(peak / 32768.0);
    }
    double rmsDbfs() const {
        double sum = 0.0;
        for (const auto s : samples) sum += static_cast<double>(s) * s;
        return 10.0 * std::log10(sum / samples.size() / (32768.0 * 32768.0));
    }
};

void expectACleanCue(const Cue& cue) {
    EXPECT_TRUE(cue.rateHz == 44100 || cue.rateHz == 22050);
    EXPECT_LT(cue.peakDbfs(), -6.0);
    EXPECT_GT(cue.rmsDbfs(), -30.0) << "loud enough to hear";
    // Starting and ending at rest: no click on either side.
    ASSERT_GT(cue.samples.size(), 100u);
    EXPECT_LT(std::abs(cue.samples.front()), 100);
    EXPECT_LT(std::abs(cue.samples.back()), 100);
}

TEST(SoundFiles, TheSquashThudIsShortCleanAndLoud) {
    const Cue thud("snd.wav");
    EXPECT_LE(thud.seconds(), 0.3);
    EXPECT_GT(thud.seconds(), 0.1);
    expectACleanCue(thud);
}

TEST(SoundFiles, TheLevelUpJingleIsShortCleanAndLoud) {
    const Cue jingle("lvup.wav");
    EXPECT_LT(jingle.seconds(), 1.0);
    EXPECT_GT(jingle.seconds(), 0.3);
    expectACleanCue(jingle);
}

TEST(SoundFiles, AreTheSameBytesEveryTimeTheyAreMade) {
    constexpr int kRateHz = 44100;
    EXPECT_EQ(readFile("music1.mid"), Tune::compose().bytes());
    EXPECT_EQ(readFile("snd.wav"), WavWriter::bytes(CueLevel::pcm(SquashSound::render(kRateHz), kRateHz), kRateHz));
    EXPECT_EQ(readFile("lvup.wav"), WavWriter::bytes(CueLevel::pcm(LevelUpSound::render(kRateHz), kRateHz), kRateHz));
}

class SoundTuneFile : public testing::Test {
protected:
    static constexpr std::int64_t kBarUs = 4 * 60'000'000 / 144;
    const std::optional<MidiSong> song_ = MidiFileReader::parse(readFile("music1.mid"));
};

TEST_F(SoundTuneFile, ParsesAndLastsAboutAMinuteOfWholeBars) {
    ASSERT_TRUE(song_);
    EXPECT_NEAR(song_->lengthUs / 1e6, 60.0, 5.0);
    const double bars = static_cast<double>(song_->lengthUs) / (4 * 60'000'000.0 / Tune::kTempoBpm);
    EXPECT_NEAR(bars, std::round(bars), 0.001);
}

TEST_F(SoundTuneFile, LeavesNoNoteHangingIntoTheNextRound) {
    ASSERT_TRUE(song_);
    std::map<int, int> sounding;
    for (const auto& e : song_->events) {
        EXPECT_LE(e.timeUs, song_->lengthUs);
        const int kind = e.status & 0xF0;
        const int note = (e.status & 0x0F) * 128 + e.data1;
        if (kind == 0x90 && e.data2 > 0) ++sounding[note];
        if (kind == 0x80 || (kind == 0x90 && e.data2 == 0)) --sounding[note];
    }
    for (const auto& [note, count] : sounding) EXPECT_EQ(count, 0) << "channel/key " << note;
}

TEST_F(SoundTuneFile, HasAMelodyABassLineAndDrums) {
    ASSERT_TRUE(song_);
    std::map<int, std::pair<int, int>> lowestAndHighest;
    for (const auto& e : song_->events) {
        if ((e.status & 0xF0) != 0x90 || e.data2 == 0) continue;
        auto& range = lowestAndHighest.try_emplace(e.status & 0x0F, 127, 0).first->second;
        range = {std::min(range.first, int{e.data1}), std::max(range.second, int{e.data1})};
    }
    EXPECT_TRUE(lowestAndHighest.contains(9)) << "drums on channel 10";
    const auto any = [&](auto test) {
        return std::any_of(lowestAndHighest.begin(), lowestAndHighest.end(),
                           [&](const auto& entry) { return entry.first != 9 && test(entry.second); });
    };
    EXPECT_TRUE(any([](auto range) { return range.first < 48 && range.second < 64; })) << "a bass line from below C3";
    EXPECT_TRUE(any([](auto range) { return range.first >= 64 && range.second >= 84; })) << "a tune above E4";
}

// The last bar stands on G with the bass, the first on C: the turnaround
// falls back into the top of the tune.
TEST_F(SoundTuneFile, TurnsFromTheDominantBackToTheTop) {
    ASSERT_TRUE(song_);
    std::vector<int> firstBass;
    std::vector<int> lastBass;
    for (const auto& e : song_->events) {
        if ((e.status & 0xF0) != 0x90 || e.data2 == 0 || (e.status & 0x0F) == 9 || e.data1 >= 52) continue;
        if (e.timeUs < kBarUs) firstBass.push_back(e.data1 % 12);
        if (e.timeUs >= song_->lengthUs - kBarUs) lastBass.push_back(e.data1 % 12);
    }
    ASSERT_FALSE(firstBass.empty());
    ASSERT_FALSE(lastBass.empty());
    EXPECT_EQ(firstBass.front(), 0);
    EXPECT_EQ(lastBass.front(), 7);
}

} // namespace
} // namespace zol
