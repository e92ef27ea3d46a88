#pragma once

#include "tools/MidiWriter.h"
#include "tools/TuneScore.h"

#include <cstdint>

namespace zol {

struct ChordShape;

// The band behind the tune: chords, bass, marimba and drums, each bar
// played in the feel the score asks for.
class Backing {
public:
    static constexpr int kChordChannel = 1;
    static constexpr int kBassChannel = 2;
    static constexpr int kMarimbaChannel = 4;
    // General MIDI puts the drum kit on channel 10.
    static constexpr int kDrumChannel = 9;

    Backing(MidiWriter& midi, int ticksPerEighth);
    void play(std::uint32_t barTick, const ScoreBar& bar);

private:
    void chords(std::uint32_t halfTick, const ChordShape& chord, Feel feel);
    void bass(std::uint32_t halfTick, const ChordShape& chord, Feel feel);
    void marimba(std::uint32_t halfTick, const ChordShape& chord);
    void drums(std::uint32_t barTick, const ScoreBar& bar);
    void hit(std::uint32_t barTick, int sixteenth, int drum, int velocity);

    MidiWriter& midi_;
    int eighth_;
    int chordTrack_;
    int bassTrack_;
    int marimbaTrack_;
    int drumTrack_;
};

} // namespace zol
