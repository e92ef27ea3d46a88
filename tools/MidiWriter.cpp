#include "tools/MidiWriter.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <utility>

namespace zol {

namespace {

void putNumber(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putVarLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

std::uint8_t clamp7(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 127)); }

} // namespace

int MidiWriter::addTrack(const std::string& name) {
    tracks_.emplace_back();
    std::vector<std::uint8_t> meta{0xFF, 0x03};
    putVarLength(meta, static_cast<std::uint32_t>(name.size()));
    meta.insert(meta.end(), name.begin(), name.end());
    add(static_cast<int>(tracks_.size()) - 1, 0, kMeta, std::move(meta));
    return static_cast<int>(tracks_.size()) - 1;
}

void MidiWriter::tempo(int track, std::uint32_t tick, double beatsPerMinute) {
    const auto quarterUs = static_cast<std::uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
    std::vector<std::uint8_t> meta{0xFF, 0x51, 0x03};
    putNumber(meta, quarterUs, 3);
    add(track, tick, kMeta, std::move(meta));
}

void MidiWriter::program(int track, std::uint32_t tick, int channel, int program) {
    add(track, tick, kSetup, {static_cast<std::uint8_t>(0xC0 | channel), clamp7(program)});
}

void MidiWriter::controller(int track, std::uint32_t tick, int channel, int number, int value) {
    add(track, tick, kSetup, {static_cast<std::uint8_t>(0xB0 | channel), clamp7(number), clamp7(value)});
}

void MidiWriter::note(int track, std::uint32_t tick, std::uint32_t lengthTicks, int channel, int key, int velocity) {
    add(track, tick, kNoteOn, {static_cast<std::uint8_t>(0x90 | channel), clamp7(key), clamp7(std::max(1, velocity))});
    add(track, tick + lengthTicks, kNoteOff, {static_cast<std::uint8_t>(0x80 | channel), clamp7(key), 64});
}

void MidiWriter::add(int track, std::uint32_t tick, Rank rank, std::vector<std::uint8_t> data) {
    tracks_.at(track).push_back({tick, rank, std::move(data)});
}

std::vector<std::uint8_t> MidiWriter::trackBytes(const std::vector<Event>& events) const {
    auto sorted = events;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const auto& e : sorted) {
        putVarLength(body, e.tick - now);
        now = e.tick;
        body.insert(body.end(), e.data.begin(), e.data.end());
    }
    putVarLength(body, std::max(endTick_, now) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
    putNumber(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<std::uint8_t> MidiWriter::bytes() const {
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    putNumber(out, 6, 4);
    putNumber(out, 1, 2);
    putNumber(out, static_cast<std::uint32_t>(tracks_.size()), 2);
    putNumber(out, static_cast<std::uint32_t>(ticksPerQuarter_), 2);
    for (const auto& track : tracks_) {
        const auto chunk = trackBytes(track);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

bool MidiWriter::save(const std::string& path) const {
    const auto data = bytes();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out);
}

} // namespace zol
