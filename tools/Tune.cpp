#include "tools/Tune.h"

#include "tools/Backing.h"
#include "tools/Phrase.h"
#include "tools/TuneScore.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zol {

namespace {

constexpr int kLeadChannel = 0;
constexpr int kHarmonyChannel = 3;
constexpr int kSquareLead = 80;
// Notes stop a little before their full length so repeated notes are heard
// as two.
constexpr int kGapTicks = 24;
constexpr int kDownbeatVelocity = 106;
constexpr int kOffbeatVelocity = 94;

// The C major scale; a harmony note is the scale note two steps below.
constexpr std::array<int, 7> kScale{0, 2, 4, 5, 7, 9, 11};

int thirdBelow(int key) {
    const int pitch = key % 12;
    for (std::size_t degree = 0; degree < kScale.size(); ++degree) {
        if (kScale[degree] != pitch) continue;
        const int below = kScale[(degree + kScale.size() - 2) % kScale.size()];
        return key - (pitch - below + 12) % 12;
    }
    return -1;
}

} // namespace

MidiWriter Tune::compose() {
    MidiWriter midi(kTicksPerQuarter);
    const int lead = midi.addTrack("Lead");
    midi.tempo(lead, 0, kTempoBpm);
    midi.program(lead, 0, kLeadChannel, kSquareLead);
    midi.controller(lead, 0, kLeadChannel, 7, 100);
    midi.controller(lead, 0, kLeadChannel, 91, 40);
    const int harmony = midi.addTrack("Harmony");
    midi.program(harmony, 0, kHarmonyChannel, kSquareLead);
    midi.controller(harmony, 0, kHarmonyChannel, 7, 70);
    midi.controller(harmony, 0, kHarmonyChannel, 10, 84);
    midi.controller(harmony, 0, kHarmonyChannel, 91, 50);
    Backing backing(midi, kTicksPerEighth);

    constexpr auto kBarTicks = static_cast<std::uint32_t>(kEighthsPerBar * kTicksPerEighth);
    std::uint32_t barTick = 0;
    for (const auto& bar : kTuneScore) {
        for (const auto& note : Phrase::parse(bar.melody)) {
            const auto tick = barTick + static_cast<std::uint32_t>(note.startEighth * kTicksPerEighth);
            const auto length = static_cast<std::uint32_t>(note.lengthEighths * kTicksPerEighth - kGapTicks);
            const int velocity = note.startEighth % 2 == 0 ? kDownbeatVelocity : kOffbeatVelocity;
            midi.note(lead, tick, length, kLeadChannel, note.key, velocity);
            const int under = thirdBelow(note.key);
            if (bar.harmony && under >= 0) midi.note(harmony, tick, length, kHarmonyChannel, under, velocity - 20);
        }
        backing.play(barTick, bar);
        barTick += kBarTicks;
    }
    midi.setEndTick(barTick);
    return midi;
}

} // namespace zol
