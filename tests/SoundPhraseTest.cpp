#include "tools/Phrase.h"
#include "tools/TuneScore.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zol {
namespace {

TEST(SoundPhrase, NoteNamesAreMidiNumbersWithMiddleCAsC4) {
    EXPECT_EQ(Phrase::key("C4"), 60);
    EXPECT_EQ(Phrase::key("A4"), 69);
    EXPECT_EQ(Phrase::key("F#5"), 78);
    EXPECT_EQ(Phrase::key("Bb3"), 58);
    EXPECT_EQ(Phrase::key("C-1"), 0);
}

TEST(SoundPhrase, LengthsCountInEighthsAndRestsTakeTheirTime) {
    const auto notes = Phrase::parse("G4 C5:2 -:2 E5");
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].key, 67);
    EXPECT_EQ(notes[0].startEighth, 0);
    EXPECT_EQ(notes[0].lengthEighths, 1);
    EXPECT_EQ(notes[1].startEighth, 1);
    EXPECT_EQ(notes[1].lengthEighths, 2);
    EXPECT_EQ(notes[2].key, 76);
    EXPECT_EQ(notes[2].startEighth, 5);
    EXPECT_EQ(Phrase::lengthInEighths("G4 C5:2 -:2 E5"), 6);
}

TEST(SoundPhrase, TextThatIsNoPhraseIsRefused) {
    EXPECT_THROW(Phrase::parse("H4"), std::invalid_argument);
    EXPECT_THROW(Phrase::parse("C5:0"), std::invalid_argument);
    EXPECT_THROW(Phrase::parse("C5:x"), std::invalid_argument);
    EXPECT_THROW(Phrase::chord("Csus4"), std::invalid_argument);
}

TEST(SoundPhrase, ChordNamesSpellTheirNotes) {
    const auto minor = Phrase::chord("Am");
    EXPECT_EQ(minor.root, 9);
    EXPECT_EQ(minor.intervals, (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(Phrase::chord("G7").intervals, (std::vector<int>{0, 4, 7, 10}));
    EXPECT_EQ(Phrase::chord("Dm7").intervals, (std::vector<int>{0, 3, 7, 10}));
}

TEST(SoundPhrase, EveryBarOfTheTuneIsWrittenOutInFull) {
    for (std::size_t bar = 0; bar < kTuneScore.size(); ++bar) {
        SCOPED_TRACE("bar " + std::to_string(bar + 1));
        EXPECT_EQ(Phrase::lengthInEighths(kTuneScore[bar].melody), 8);
        const std::string_view chords(kTuneScore[bar].chords);
        const auto space = chords.find(' ');
        ASSERT_NE(space, std::string_view::npos);
        EXPECT_NO_THROW(Phrase::chord(chords.substr(0, space)));
        EXPECT_NO_THROW(Phrase::chord(chords.substr(space + 1)));
    }
}

} // namespace
} // namespace zol
