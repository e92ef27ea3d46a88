// The media control interface as the game's sound, through Wine with its
// sound drivers switched off: no device, or a missing file, is silence and
// at most one line on standard error, and a missing device is not asked
// for again at every tick.
#include "platform/win32/MciSoundDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zol::win32 {
namespace {

const std::string kFolder = ZOLBAS_SOUND_FOLDER;

int lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// Wine without sound drivers: its sequencer and wave devices still open,
// and play in silence.
TEST(MciSound, WithoutSoundDriversTheGameGoesOnSayingAtMostOneLine) {
    MciSoundDevice sound;
    testing::internal::CaptureStderr();
    for (int tick = 0; tick < 20; ++tick) {
        if (sound.open(Channel::Tune, kFolder + "/music1.mid")) sound.play(Channel::Tune);
        if (sound.open(Channel::Cue, kFolder + "/snd.wav")) sound.play(Channel::Cue);
    }
    sound.close(Channel::Tune);
    EXPECT_FALSE(sound.isPlaying(Channel::Tune));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_LE(lines(said), 1) << said;
}

// A device the system does not have, as on a machine without a MIDI synth.
TEST(MciSound, AMissingDeviceIsSilenceSaidOnceAndNotAskedForAgain) {
    MciSoundDevice sound(L"zolbas_no_such_device", L"waveaudio");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(sound.open(Channel::Tune, kFolder + "/music1.mid"));
    EXPECT_FALSE(sound.play(Channel::Tune));
    EXPECT_FALSE(sound.isPlaying(Channel::Tune));
    EXPECT_FALSE(sound.open(Channel::Tune, kFolder + "/music1.mid"));
    // The cues have a device of their own.
    EXPECT_TRUE(sound.open(Channel::Cue, kFolder + "/snd.wav"));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lines(said), 1) << said;
    EXPECT_NE(said.find("no sound: " + kFolder + "/music1.mid"), std::string::npos) << said;
}

TEST(MciSound, AMissingFileIsSilenceAndOneLine) {
    MciSoundDevice sound;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(sound.open(Channel::Cue, kFolder + "/no-such-cue.wav"));
    EXPECT_FALSE(sound.play(Channel::Cue));
    EXPECT_FALSE(sound.open(Channel::Cue, kFolder + "/no-such-cue.wav"));
    sound.close(Channel::Cue);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(lines(said), 1) << said;
    EXPECT_NE(said.find("no-such-cue.wav is missing"), std::string::npos) << said;
}

} // namespace
} // namespace zol::win32
