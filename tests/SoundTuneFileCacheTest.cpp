#include "platform/sdl/TuneFileCache.h"
#include "tests/SoundTestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace zol {
namespace {

TEST(SoundTuneFileCache, AnUnchangedFileGivesTheSongReadBefore) {
    test::SoundTestFiles files;
    TuneFileCache cache;
    const auto path = files.tune("tune.mid", 4);
    const MidiSong* first = cache.load(path);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->lengthUs, 2'000'000);
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
    const MidiSong* again = cache.load(path);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->lengthUs, 4'000'000);
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
