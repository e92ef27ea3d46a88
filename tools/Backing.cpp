#include "tools/Backing.h"

#include "tools/Phrase.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace zol {

namespace {

// General MIDI programs (counted from 0) and drum keys.
constexpr int kSynthBrass = 62;
constexpr int kSynthBass = 38;
constexpr int kMarimba = 12;
constexpr int kKick = 36;
constexpr int kSnare = 38;
constexpr int kClosedHat = 42;
constexpr int kOpenHat = 46;
constexpr int kLowTom = 45;
constexpr int kMidTom = 47;
constexpr int kHighTom = 50;
constexpr int kCrash = 49;
constexpr int kRide = 51;

// Chord notes are voiced between A3 and G#4, bass roots between C2 and B2.
constexpr int kChordLowKey = 57;
constexpr int kBassLowKey = 36;
constexpr int kMarimbaLowKey = 72;

int lift(int pitchClass, int lowKey) { return lowKey + ((pitchClass - lowKey) % 12 + 12) % 12; }

void setUp(MidiWriter& midi, int track, int channel, int program, int volume, int pan, int reverb) {
    midi.program(track, 0, channel, program);
    midi.controller(track, 0, channel, 7, volume);
    midi.controller(track, 0, channel, 10, pan);
    midi.controller(track, 0, channel, 91, reverb);
}

} // namespace

Backing::Backing(MidiWriter& midi, int ticksPerEighth)
    : midi_(midi), eighth_(ticksPerEighth), chordTrack_(midi.addTrack("Chords")), bassTrack_(midi.addTrack("Bass")),
      marimbaTrack_(midi.addTrack("Marimba")), drumTrack_(midi.addTrack("Drums")) {
    setUp(midi_, chordTrack_, kChordChannel, kSynthBrass, 70, 44, 30);
    setUp(midi_, bassTrack_, kBassChannel, kSynthBass, 112, 64, 0);
    setUp(midi_, marimbaTrack_, kMarimbaChannel, kMarimba, 86, 88, 50);
    setUp(midi_, drumTrack_, kDrumChannel, 0, 110, 64, 20);
}

void Backing::play(std::uint32_t barTick, const ScoreBar& bar) {
    const std::string_view names(bar.chords);
    const auto space = names.find(' ');
    const ChordShape halves[2] = {Phrase::chord(names.substr(0, space)), Phrase::chord(names.substr(space + 1))};
    for (int half = 0; half < 2; ++half) {
        const auto halfTick = barTick + static_cast<std::uint32_t>(half * 4 * eighth_);
        chords(halfTick, halves[half], bar.feel);
        bass(halfTick, halves[half], bar.feel);
        if (bar.feel == Feel::Bridge) marimba(halfTick, halves[half]);
    }
    drums(barTick, bar);
}

// Off-beat stabs make the verses hop; the bridge holds its chords instead.
void Backing::chords(std::uint32_t halfTick, const ChordShape& chord, Feel feel) {
    for (const int interval : chord.intervals) {
        const int key = lift(chord.root + interval, kChordLowKey);
        if (feel == Feel::Bridge) {
            midi_.note(chordTrack_, halfTick, 4 * eighth_ - 20, kChordChannel, key, 58);
            continue;
        }
        for (const int offBeat : {1, 3}) {
            midi_.note(chordTrack_, halfTick + offBeat * eighth_, eighth_ / 2, kChordChannel, key, 72);
        }
    }
}

// Verses bounce between the root and its octave; the bridge walks up
// through the fifth.
void Backing::bass(std::uint32_t halfTick, const ChordShape& chord, Feel feel) {
    const int root = lift(chord.root, kBassLowKey);
    const int bounce[4] = {root, root + 12, root, root + 12};
    const int walk[4] = {root, root + 7, root + 12, root + 7};
    const int* line = feel == Feel::Bridge ? walk : bounce;
    for (int step = 0; step < 4; ++step) {
        const int velocity = step % 2 == 0 ? 104 : 88;
        midi_.note(bassTrack_, halfTick + step * eighth_, eighth_ - 30, kBassChannel, line[step], velocity);
    }
}

// Sixteenths up and down the chord: root, third, fifth, octave, fifth...
void Backing::marimba(std::uint32_t halfTick, const ChordShape& chord) {
    constexpr int kPattern[8] = {0, 1, 2, 3, 2, 1, 2, 3};
    const int sixteenth = eighth_ / 2;
    const int root = lift(chord.root, kMarimbaLowKey);
    const int tones[4] = {root, root + chord.intervals[1], root + chord.intervals[2], root + 12};
    for (int step = 0; step < 8; ++step) {
        const int velocity = step % 4 == 0 ? 72 : 58;
        midi_.note(marimbaTrack_, halfTick + step * sixteenth, sixteenth, kMarimbaChannel, tones[kPattern[step]], velocity);
    }
}

void Backing::drums(std::uint32_t barTick, const ScoreBar& bar) {
    const bool bridge = bar.feel == Feel::Bridge;
    const int grooveEnd = bar.fill ? 8 : 16;
    if (bar.crash) hit(barTick, 0, kCrash, 100);
    for (const int step : {0, 8, bridge ? 6 : 10}) {
        if (step < grooveEnd) hit(barTick, step, kKick, step == 0 ? 112 : 98);
    }
    for (const int step : {4, 12}) {
        if (step < grooveEnd) hit(barTick, step, kSnare, 104);
    }
    for (int step = 0; step < grooveEnd; step += 2) {
        if (bar.crash && step == 0) continue;
        const bool onBeat = step % 4 == 0;
        const int cymbal = bridge ? kRide : (step == 14 ? kOpenHat : kClosedHat);
        hit(barTick, step, cymbal, onBeat ? 84 : 64);
    }
    if (!bar.fill) return;
    // The fill rolls down the toms into two snare hits.
    constexpr int kFill[8] = {kHighTom, kHighTom, kMidTom, kMidTom, kLowTom, kLowTom, kSnare, kSnare};
    for (int step = 8; step < 16; ++step) hit(barTick, step, kFill[step - 8], 84 + 3 * (step - 8));
}

void Backing::hit(std::uint32_t barTick, int sixteenth, int drum, int velocity) {
    const int length = eighth_ / 2;
    midi_.note(drumTrack_, barTick + static_cast<std::uint32_t>(sixteenth * length), length, kDrumChannel, drum, velocity);
}

} // namespace zol
