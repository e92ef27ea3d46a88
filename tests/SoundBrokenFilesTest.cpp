#include "platform/sdl/SdlSoundDevice.h"
#include "tests/SoundDiskOutput.h"
#include "tests/SoundTestFiles.h"
#include "tests/SoundWaits.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace zol {
namespace {

using namespace std::chrono_literals;
using test::DiskOutput;

constexpr auto kStartUp = 5s;

std::vector<std::uint8_t> randomBytes(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::uint32_t state = 12345;
    for (auto& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

std::vector<std::uint8_t> firstHalfOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.resize(bytes.size() / 2);
    return bytes;
}

std::vector<std::uint8_t> text(const std::string& words) { return {words.begin(), words.end()}; }

// Every kind of bad file, for the tune and for the cues alike.
std::vector<std::string> brokenFiles(const test::SoundTestFiles& files) {
    const auto goodCue = files.level("good.wav", 9000, 0.5);
    const auto goodTune = files.tune("good.mid", 4);
    return {
        files.bytes("truncated.wav", firstHalfOf(goodCue)),
        files.bytes("truncated.mid", firstHalfOf(goodTune)),
        files.bytes("random.wav", randomBytes(20000)),
        files.bytes("random.mid", randomBytes(20000)),
        files.bytes("notes.mid", text("These are the notes of the tune: C E G.\n")),
        files.bytes("notes.wav", text("RIFF but no more\n")),
        files.bytes("empty.mid", {}),
        files.path("missing.mid"),
        files.path("missing.wav"),
    };
}

TEST(SoundBrokenFiles, AreRefusedAndPlayNothing) {
    DiskOutput output;
    test::SoundTestFiles files;
    {
        SdlSoundDevice device;
        ASSERT_TRUE(device.waitUntilReady(kStartUp));
        for (const auto& path : brokenFiles(files)) {
            for (const Channel player : {Channel::Tune, Channel::Cue}) {
                SCOPED_TRACE(path + (player == Channel::Tune ? " as the tune" : " as a cue"));
                EXPECT_FALSE(test::playAnew(device, player, path));
                EXPECT_FALSE(device.isPlaying(player));
            }
        }
        std::this_thread::sleep_for(200ms);
    }
    const auto left = output.left();
    EXPECT_GT(left.size(), 4000u);
    EXPECT_LE(DiskOutput::peak(left), DiskOutput::kSilenceLimit);
}

TEST(SoundBrokenFiles, LeaveTheDeviceWorkingForTheNextGoodFile) {
    DiskOutput output;
    test::SoundTestFiles files;
    const auto broken = brokenFiles(files);
    const auto goodCue = files.level("loud.wav", 9000, 0.1);
    {
        SdlSoundDevice device;
        ASSERT_TRUE(device.waitUntilReady(kStartUp));
        for (const auto& path : broken) test::playAnew(device, Channel::Cue, path);
        EXPECT_TRUE(test::playAnew(device, Channel::Cue, goodCue));
        EXPECT_TRUE(test::playsUntil(device, Channel::Cue, std::chrono::steady_clock::now()));
    }
    EXPECT_NEAR(DiskOutput::peak(output.left()), 9000, DiskOutput::kSilenceLimit);
}

} // namespace
} // namespace zol
