#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zol {

// Builds a Standard MIDI File of format 1, one track per part. Events are
// kept in tick order with note-offs before note-ons at the same tick, so
// repeated notes never cut themselves short; every track ends on the same
// tick, which is the loop point.
class MidiWriter {
public:
    explicit MidiWriter(int ticksPerQuarter) : ticksPerQuarter_(ticksPerQuarter) {}

    int ticksPerQuarter() const { return ticksPerQuarter_; }
    // Adds a named track and returns its number.
    int addTrack(const std::string& name);

    void tempo(int track, std::uint32_t tick, double beatsPerMinute);
    void program(int track, std::uint32_t tick, int channel, int program);
    void controller(int track, std::uint32_t tick, int channel, int number, int value);
    void note(int track, std::uint32_t tick, std::uint32_t lengthTicks, int channel, int key, int velocity);
    // Where all tracks end; never before their last event.
    void setEndTick(std::uint32_t tick) { endTick_ = tick; }

    std::vector<std::uint8_t> bytes() const;
    bool save(const std::string& path) const;

private:
    // Order of events that share a tick.
    enum Rank { kMeta, kSetup, kNoteOff, kNoteOn };
    struct Event {
        std::uint32_t tick;
        Rank rank;
        std::vector<std::uint8_t> data;
    };

    void add(int track, std::uint32_t tick, Rank rank, std::vector<std::uint8_t> data);
    std::vector<std::uint8_t> trackBytes(const std::vector<Event>& events) const;

    int ticksPerQuarter_;
    std::uint32_t endTick_ = 0;
    std::vector<std::vector<Event>> tracks_;
};

} // namespace zol
