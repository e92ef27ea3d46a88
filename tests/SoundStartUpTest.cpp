#include "platform/sdl/SdlSoundDevice.h"
#include "tests/SoundDiskOutput.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <string>

namespace zol {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartUp = 5s;

void (*handlerOf(int signal))(int) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

TEST(SoundStartUp, MakingTheDeviceOpensNothingYet) {
    test::DiskOutput output;
    SdlSoundDevice device;
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    EXPECT_FALSE(device.isPlaying(Channel::Tune));
    EXPECT_FALSE(device.isPlaying(Channel::Cue));
}

TEST(SoundStartUp, PrepareOpensTheMixerInTheBackground) {
    test::DiskOutput output;
    SdlSoundDevice device;
    device.prepare();
    ASSERT_TRUE(device.waitUntilReady(kStartUp));
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST(SoundStartUp, LeavesCtrlCAndTerminationToTheGame) {
    test::DiskOutput output;
    const auto interrupt = handlerOf(SIGINT);
    const auto terminate = handlerOf(SIGTERM);
    SdlSoundDevice device;
    ASSERT_TRUE(device.waitUntilReady(kStartUp));
    EXPECT_EQ(handlerOf(SIGINT), interrupt);
    EXPECT_EQ(handlerOf(SIGTERM), terminate);
}

TEST(SoundStartUp, NamesTheGameToTheSoundServer) {
    test::DiskOutput output;
    SdlSoundDevice device;
    ASSERT_TRUE(device.waitUntilReady(kStartUp));
    const char* name = SDL_GetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME);
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "ゾルバス");
}

} // namespace
} // namespace zol
