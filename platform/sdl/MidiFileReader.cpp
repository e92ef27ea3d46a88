#include "platform/sdl/MidiFileReader.h"

#include "platform/sdl/ByteCursor.h"
#include "platform/sdl/MidiTrackReader.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace zol {

namespace {

constexpr std::int64_t kDefaultQuarterUs = 500'000;

// Walks all tracks at once in tick order (earlier tracks first on a tie, so
// a tempo change in the first track takes effect before notes at its tick).
template <typename Each>
void inTickOrder(const std::vector<MidiTrackReader::Track>& tracks, Each each) {
    std::vector<std::size_t> next(tracks.size(), 0);
    for (;;) {
        std::size_t earliest = tracks.size();
        for (std::size_t t = 0; t < tracks.size(); ++t) {
            if (next[t] == tracks[t].size()) continue;
            if (earliest == tracks.size() || tracks[t][next[t]].tick < tracks[earliest][next[earliest]].tick) {
                earliest = t;
            }
        }
        if (earliest == tracks.size()) return;
        each(tracks[earliest][next[earliest]++]);
    }
}

} // namespace

std::optional<MidiSong> MidiFileReader::parse(std::span<const std::uint8_t> bytes) {
    ByteCursor file(bytes);
    const bool isMidi = file.tag("MThd");
    const std::uint32_t headerLength = file.u32();
    ByteCursor head(file.take(headerLength));
    const std::uint32_t format = head.u16();
    const std::uint32_t trackCount = head.u16();
    const std::uint32_t division = head.u16();
    if (!isMidi || file.failed() || head.failed() || format > 1 || division == 0) return std::nullopt;

    // Ticks per quarter note, or with a frame-based division a fixed tick
    // length that tempo changes do not touch.
    const bool framed = (division & 0x8000) != 0;
    const std::int64_t ticksPerQuarter = framed ? 1 : division;
    const int framesPerSecond = -static_cast<std::int8_t>(division >> 8);
    const int ticksPerFrame = static_cast<int>(division & 0xFF);
    const std::int64_t framedTickUs = framed ? 1'000'000 / std::max(1, framesPerSecond * ticksPerFrame) : 0;

    std::vector<MidiTrackReader::Track> tracks;
    tracks.reserve(trackCount);
    std::uint64_t endTick = 0;
    std::size_t eventCount = 0;
    while (tracks.size() < trackCount) {
        const bool isTrack = file.tag("MTrk");
        const auto body = file.take(file.u32());
        if (file.failed()) return std::nullopt;
        if (!isTrack) continue;
        tracks.emplace_back();
        const auto trackEnd = MidiTrackReader::read(ByteCursor(body), tracks.back());
        if (!trackEnd) return std::nullopt;
        endTick = std::max(endTick, *trackEnd);
        eventCount += tracks.back().size();
    }

    MidiSong song;
    song.events.reserve(eventCount);
    std::uint64_t baseTick = 0;
    std::int64_t baseUs = 0;
    std::int64_t quarterUs = framed ? framedTickUs : kDefaultQuarterUs;
    const auto timeOf = [&](std::uint64_t tick) {
        return baseUs + static_cast<std::int64_t>(tick - baseTick) * quarterUs / ticksPerQuarter;
    };
    inTickOrder(tracks, [&](const MidiTrackReader::TickedEvent& e) {
        if (e.quarterUs == 0) {
            song.events.push_back(e.message);
            song.events.back().timeUs = timeOf(e.tick);
        } else if (!framed) {
            baseUs = timeOf(e.tick);
            baseTick = e.tick;
            quarterUs = e.quarterUs;
        }
    });
    song.lengthUs = timeOf(endTick);
    return song;
}

std::optional<std::vector<std::uint8_t>> MidiFileReader::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const auto size = static_cast<std::size_t>(in.tellg());
    if (size > kMaxFileBytes) return std::nullopt;
    std::vector<std::uint8_t> bytes(size);
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) return std::nullopt;
    return bytes;
}

std::optional<MidiSong> MidiFileReader::load(const std::string& path) {
    const auto bytes = read(path);
    if (!bytes) return std::nullopt;
    return parse(*bytes);
}

} // namespace zol
