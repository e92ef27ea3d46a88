#pragma once

#include <array>

namespace zol {

// How the band plays a bar: the intro and verses bounce (octave bass,
// chord stabs on the off-beats), the bridge sways (held chords, a marimba
// running sixteenths, ride cymbal) and the outro turns back to the top.
enum class Feel { Intro, Verse, Bridge, Outro };

struct ScoreBar {
    Feel feel;
    // One chord for each half of the bar.
    const char* chords;
    const char* melody;
    // A second lead a third below the tune.
    bool harmony = false;
    bool crash = false;
    // A drum fill in the second half leads into the next section.
    bool fill = false;
};

// "Walkers' March": thirty-six bars of C major at 144 beats a minute, a
// minute long. Intro, verse, verse with harmony, bridge, verse with harmony,
// and a two-bar turnaround on G7 that falls back into the intro's C.
inline constexpr std::array<ScoreBar, 36> kTuneScore{{
    {Feel::Intro, "C C", "-:8", false, true, false},
    {Feel::Intro, "C C", "-:8", false, false, true},

    {Feel::Verse, "C C", "G4 C5 E5 G5:2 E5 G5 A5", false, true, false},
    {Feel::Verse, "Am Am", "G5:2 E5 C5 E5:2 A4:2"},
    {Feel::Verse, "F F", "F5 A5 C6:2 A5 F5 A5 C6"},
    {Feel::Verse, "G G", "B5:3 A5 G5:2 D5:2"},
    {Feel::Verse, "C C", "G4 C5 E5 G5:2 E5 G5 C6"},
    {Feel::Verse, "Am Am", "E6:2 D6 C6 A5:2 E5:2"},
    {Feel::Verse, "F G", "F5 A5 C6:2 D6 C6 B5 D6"},
    {Feel::Verse, "C C", "C6:3 G5 C6:2 -:2", false, false, true},

    {Feel::Verse, "C C", "G4 C5 E5 G5:2 E5 G5 A5", true, true, false},
    {Feel::Verse, "Am Am", "G5:2 E5 C5 E5:2 A4:2", true},
    {Feel::Verse, "F F", "F5 A5 C6:2 A5 F5 A5 C6", true},
    {Feel::Verse, "G G", "B5:3 A5 G5:2 D5:2", true},
    {Feel::Verse, "C C", "E5 G5 C6 E6:2 C6 D6 E6", true},
    {Feel::Verse, "Am Am", "C6:2 A5 E5 A5:2 C6:2", true},
    {Feel::Verse, "Dm7 G7", "D6 C6 A5 F5 G5:2 B5:2", true},
    {Feel::Verse, "C C", "C6:4 -:2 E5 G5", true, false, true},

    {Feel::Bridge, "F F", "A5:3 G5 F5:2 C5:2", false, true, false},
    {Feel::Bridge, "G G", "D5 G5:2 B5 D6:2 B5:2"},
    {Feel::Bridge, "Em Em", "G5:3 E5 B4:2 E5:2"},
    {Feel::Bridge, "Am Am", "C6:3 B5 A5:2 E5:2"},
    {Feel::Bridge, "F F", "F5 A5 C6 F6:2 E6 D6 C6"},
    {Feel::Bridge, "G G", "D6:3 B5 G5:2 B5:2"},
    {Feel::Bridge, "Dm7 Dm7", "C6 B5 A5 G5 A5 B5 C6 D6"},
    {Feel::Bridge, "G7 G7", "D6:3 B5 G5:4", false, false, true},

    {Feel::Verse, "C C", "G4 C5 E5 G5:2 E5 G5 A5", true, true, false},
    {Feel::Verse, "Am Am", "G5:2 E5 C5 E5:2 A4:2", true},
    {Feel::Verse, "F F", "F5 A5 C6:2 A5 F5 A5 C6", true},
    {Feel::Verse, "G G", "B5:3 A5 G5:2 D5:2", true},
    {Feel::Verse, "C C", "G4 C5 E5 G5:2 E5 G5 C6", true},
    {Feel::Verse, "Am Am", "E6:2 D6 C6 A5:2 E5:2", true},
    {Feel::Verse, "Dm7 G7", "D6 C6 A5 F5 G5:2 B5:2", true},
    {Feel::Verse, "C C", "C6:3 G5 C6:2 -:2", true, false, true},

    {Feel::Outro, "F G", "C6 A5 F5 A5 B5 D6 G6:2", false, true, false},
    {Feel::Outro, "G7 G7", "F6 E6 D6 B5 G5:2 -:2", false, false, true},
}};

} // namespace zol
