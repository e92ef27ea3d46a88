#pragma once

#include <string_view>
#include <vector>

namespace zol {

// A note of a written phrase, in eighth notes from the start of its bar.
struct PhraseNote {
    int key = 0;
    int startEighth = 0;
    int lengthEighths = 0;
};

// A chord as a root pitch class (C = 0) and the intervals above it.
struct ChordShape {
    int root = 0;
    std::vector<int> intervals;
};

// Reads the shorthand the tune is written in. A phrase is a line of notes
// such as "G4 C5 E5:2 -:2": name, octave (C4 is middle C) and a length in
// eighths after the colon, one eighth when left out; "-" is a rest.
// Chords are names such as "C", "Am", "G7" and "Dm7".
class Phrase {
public:
    // Throws std::invalid_argument on text that is no phrase.
    static std::vector<PhraseNote> parse(std::string_view text);
    static int lengthInEighths(std::string_view text);
    static int key(std::string_view name);
    static ChordShape chord(std::string_view name);
};

} // namespace zol
