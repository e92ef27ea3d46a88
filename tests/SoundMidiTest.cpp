#include "platform/sdl/MidiFileReader.h"
#include "tools/MidiWriter.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zol {
namespace {

constexpr int kTicksPerQuarter = 480;

std::vector<MidiEvent> notesOn(const MidiSong& song) {
    std::vector<MidiEvent> on;
    for (const auto& e : song.events) {
        if ((e.status & 0xF0) == 0x90 && e.data2 > 0) on.push_back(e);
    }
    return on;
}

TEST(SoundMidi, WrittenNotesComeBackAtTheirTimes) {
    MidiWriter midi(kTicksPerQuarter);
    const int track = midi.addTrack("Lead");
    midi.tempo(track, 0, 120.0);
    midi.note(track, kTicksPerQuarter, kTicksPerQuarter / 2, 3, 64, 100);
    midi.setEndTick(4 * kTicksPerQuarter);
    const auto song = MidiFileReader::parse(midi.bytes());
    ASSERT_TRUE(song);
    ASSERT_EQ(song->events.size(), 2u);
    EXPECT_EQ(song->events[0].timeUs, 500'000);
    EXPECT_EQ(song->events[0].status, 0x93);
    EXPECT_EQ(song->events[0].data1, 64);
    EXPECT_EQ(song->events[0].data2, 100);
    EXPECT_EQ(song->events[1].timeUs, 750'000);
    EXPECT_EQ(song->events[1].status, 0x83);
    EXPECT_EQ(song->lengthUs, 2'000'000);
}

TEST(SoundMidi, ATempoChangeStretchesWhatComesAfterIt) {
    MidiWriter midi(kTicksPerQuarter);
    const int conductor = midi.addTrack("Tempo");
    const int lead = midi.addTrack("Lead");
    midi.tempo(conductor, 0, 120.0);
    midi.tempo(conductor, kTicksPerQuarter, 60.0);
    midi.note(lead, 2 * kTicksPerQuarter, 10, 0, 60, 100);
    const auto song = MidiFileReader::parse(midi.bytes());
    ASSERT_TRUE(song);
    // Half a second for the first beat at 120, a whole second for the next.
    EXPECT_EQ(notesOn(*song).at(0).timeUs, 1'500'000);
}

TEST(SoundMidi, TracksAreMergedInTimeOrder) {
    MidiWriter midi(kTicksPerQuarter);
    const int one = midi.addTrack("One");
    const int two = midi.addTrack("Two");
    midi.note(one, 0, 10, 0, 60, 100);
    midi.note(two, 100, 10, 1, 62, 100);
    midi.note(one, 200, 10, 0, 64, 100);
    const auto on = notesOn(*MidiFileReader::parse(midi.bytes()));
    ASSERT_EQ(on.size(), 3u);
    EXPECT_EQ(on[0].data1, 60);
    EXPECT_EQ(on[1].data1, 62);
    EXPECT_EQ(on[2].data1, 64);
}

TEST(SoundMidi, ARepeatedNoteIsReleasedBeforeItSoundsAgain) {
    MidiWriter midi(kTicksPerQuarter);
    const int track = midi.addTrack("Lead");
    midi.note(track, 0, kTicksPerQuarter, 0, 60, 100);
    midi.note(track, kTicksPerQuarter, kTicksPerQuarter, 0, 60, 100);
    const auto song = MidiFileReader::parse(midi.bytes());
    ASSERT_TRUE(song);
    ASSERT_EQ(song->events.size(), 4u);
    EXPECT_EQ(song->events[1].status & 0xF0, 0x80);
    EXPECT_EQ(song->events[2].status & 0xF0, 0x90);
    EXPECT_EQ(song->events[1].timeUs, song->events[2].timeUs);
}

// A format-0 file as other programs write them: running status, a note-on
// of velocity zero for the release, a system-exclusive message on the way.
TEST(SoundMidi, RunningStatusAndSystemMessagesAreRead) {
    const std::vector<std::uint8_t> bytes{
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, //
        'M', 'T', 'r', 'k', 0, 0, 0, 20,                   //
        0x00, 0xC0, 5,                                     //
        0x00, 0x90, 60, 100,                               //
        0x60, 60, 0,                                       //
        0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7,                //
        0x00, 0xFF, 0x2F, 0x00};
    const auto song = MidiFileReader::parse(bytes);
    ASSERT_TRUE(song);
    ASSERT_EQ(song->events.size(), 3u);
    EXPECT_EQ(song->events[0].status, 0xC0);
    EXPECT_EQ(song->events[0].data1, 5);
    EXPECT_EQ(song->events[2].status, 0x90);
    EXPECT_EQ(song->events[2].data1, 60);
    EXPECT_EQ(song->events[2].data2, 0);
    EXPECT_EQ(song->events[2].timeUs, 500'000);
}

TEST(SoundMidi, EveryCutShortCopyOfAGoodFileIsRefused) {
    MidiWriter midi(kTicksPerQuarter);
    const int track = midi.addTrack("Lead");
    for (int i = 0; i < 8; ++i) midi.note(track, i * 100, 90, 0, 60 + i, 100);
    const auto bytes = midi.bytes();
    ASSERT_TRUE(MidiFileReader::parse(bytes));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_FALSE(MidiFileReader::parse({bytes.data(), length})) << "cut at " << length;
    }
}

TEST(SoundMidi, FilesThatAreNoMidiAreRefused) {
    const std::string words = "MThd is how a tune begins, but this is a text file.";
    EXPECT_FALSE(MidiFileReader::parse({reinterpret_cast<const std::uint8_t*>(words.data()), words.size()}));
    const std::vector<std::uint8_t> formatTwo{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 2, 0, 0, 0, 96};
    EXPECT_FALSE(MidiFileReader::parse(formatTwo));
    // A data byte where a status byte must be, with no status to repeat.
    const std::vector<std::uint8_t> noStatus{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                                             'M', 'T', 'r', 'k', 0, 0, 0, 7,  0, 60, 100, 0, 0xFF, 0x2F, 0};
    EXPECT_FALSE(MidiFileReader::parse(noStatus));
    // A real-time clock byte belongs on a cable, not in a file.
    const std::vector<std::uint8_t> clockByte{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                                              'M', 'T', 'r', 'k', 0, 0, 0, 6,  0, 0xF8, 0, 0xFF, 0x2F, 0};
    EXPECT_FALSE(MidiFileReader::parse(clockByte));
    EXPECT_FALSE(MidiFileReader::load("/nonexistent/music1.mid"));
}

} // namespace
} // namespace zol
