#include "platform/sdl/MidiFileReader.h"
#include "platform/sdl/TuneFileCache.h"
#include "tests/SoundTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

namespace zol {
namespace {

// A tempo change: FF 51, three bytes of microseconds a quarter note.
constexpr std::uint8_t kTempoMeta[] = {0xFF, 0x51, 0x03};

TEST(SoundTuneFileCache, AnUnchangedFileGivesTheSongReadBefore) {
    test::SoundTestFiles files;
    TuneFileCache cache;
    const auto path = files.tune("tune.mid", 4);
    const auto first = cache.load(path);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->song().lengthUs, 2'000'000);
    EXPECT_EQ(cache.load(path), first);
}

TEST(SoundTuneFileCache, AFileChangedOnDiskIsReadAgain) {
    test::SoundTestFiles files;
    TuneFileCache cache;
    const auto path = files.tune("tune.mid", 4);
    ASSERT_NE(cache.load(path), nullptr);
    files.tune("tune.mid", 8);
    // Make sure the stamp moves even on a file system with coarse times.
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
    const auto again = cache.load(path);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->song().lengthUs, 4'000'000);
}

TEST(SoundTuneFileCache, AChangeThatKeepsTheSizeAndTheTimeStampIsSeen) {
    test::SoundTestFiles files;
    TuneFileCache cache;
    const auto path = files.tune("tune.mid", 4);
    const auto stamp = std::filesystem::last_write_time(path);
    const auto first = cache.load(path);
    ASSERT_NE(first, nullptr);
    // The same notes a tempo apart: as many bytes.
    auto bytes = MidiFileReader::read(path).value();
    const auto tempo = std::search(bytes.begin(), bytes.end(), std::begin(kTempoMeta), std::end(kTempoMeta));
    ASSERT_NE(tempo, bytes.end());
    tempo[3] ^= 0x10;
    files.bytes("tune.mid", bytes);
    std::filesystem::last_write_time(path, stamp);
    const auto again = cache.load(path);
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, first);
    EXPECT_NE(again->song().lengthUs, first->song().lengthUs);
}

TEST(SoundTuneFileCache, MissingAndBrokenFilesGiveNoSong) {
    test::SoundTestFiles files;
    TuneFileCache cache;
    EXPECT_EQ(cache.load(files.path("missing.mid")), nullptr);
    const auto broken = files.bytes("broken.mid", {'M', 'T', 'h', 'd', 0, 0});
    EXPECT_EQ(cache.load(broken), nullptr);
    EXPECT_EQ(cache.load(broken), nullptr);
    EXPECT_NE(cache.load(files.tune("good.mid", 2)), nullptr);
}

TEST(SoundTuneFileCache, AFileThatWentMissingIsNoLongerPlayed) {
    test::SoundTestFiles files;
    TuneFileCache cache;
    const auto path = files.tune("tune.mid", 2);
    ASSERT_NE(cache.load(path), nullptr);
    std::filesystem::remove(path);
    EXPECT_EQ(cache.load(path), nullptr);
}

} // namespace
} // namespace zol
