#include "platform/sdl/MidiTrackReader.h"

#include <algorithm>
#include <span>

namespace zol {

namespace {

constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;

int channelDataBytes(std::uint8_t status) {
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

} // namespace

std::optional<std::uint64_t> MidiTrackReader::read(ByteCursor track, Track& out) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!track.atEnd()) {
        tick += track.varLength();
        std::uint8_t status = track.byte();
        if (status == 0xFF) {
            const std::uint8_t type = track.byte();
            const auto data = track.take(track.varLength());
            running = 0;
            if (track.failed()) return std::nullopt;
            if (type == kMetaEndOfTrack) return tick;
            if (type == kMetaTempo && data.size() == 3) {
                out.push_back({tick, std::max(1, (data[0] << 16) | (data[1] << 8) | data[2]), {}});
            }
        } else if (status == 0xF0 || status == 0xF7) {
            track.take(track.varLength());
            running = 0;
        } else {
            std::uint8_t data[2] = {0, 0};
            int have = 0;
            if (status < 0x80) {
                if (running == 0) return std::nullopt;
                data[have++] = status;
                status = running;
            }
            // Real-time and system-common bytes have no place in a file.
            if (status >= 0xF0) return std::nullopt;
            while (have < channelDataBytes(status)) data[have++] = track.byte();
            if (data[0] >= 0x80 || data[1] >= 0x80) return std::nullopt;
            running = status;
            out.push_back({tick, 0, {0, status, data[0], data[1]}});
        }
    }
    return std::nullopt;
}

} // namespace zol
