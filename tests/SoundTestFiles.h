#pragma once

#include "platform/SoundDevice.h"
#include "platform/sdl/LoadedSong.h"
#include "platform/sdl/MidiFileReader.h"
#include "tools/MidiWriter.h"
#include "tools/WavWriter.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace zol::test {

// A scratch folder of sound files made by a test, gone with the test.
class SoundTestFiles {
public:
    static constexpr int kRateHz = 44100;

    SoundTestFiles() {
        static int serial = 0;
        folder_ = std::filesystem::temp_directory_path() /
                  ("zolbas-sound-files-" + std::to_string(getpid()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(folder_);
    }
    ~SoundTestFiles() { std::filesystem::remove_all(folder_); }
    SoundTestFiles(const SoundTestFiles&) = delete;
    SoundTestFiles& operator=(const SoundTestFiles&) = delete;

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    // A cue holding one sample value throughout: easy to find in the mix.
    std::string level(const std::string& name, std::int16_t value, double seconds) const {
        const std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * kRateHz), value);
        WavWriter::save(path(name), samples, kRateHz);
        return path(name);
    }

    std::string bytes(const std::string& name, const std::vector<std::uint8_t>& content) const {
        std::ofstream out(path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
        return path(name);
    }

    // A tune of `beats` quarter notes at 120 beats a minute (half a second
    // each): a square-lead note on every beat but the last, which rests.
    std::string tune(const std::string& name, int beats) const {
        return write(name, beats, 120.0, beats - 1, kLead);
    }

    // A tune that still sounds where it ends: a warm pad on every beat, the
    // last one held to the end, at 187.5 beats a minute, so that an even
    // number of beats lasts a whole number of the synthesizer's 64-frame
    // blocks and every round starts on the same block boundary.
    std::string ringingTune(const std::string& name, int beats) const {
        return write(name, beats, 187.5, beats, kPad);
    }

private:
    static constexpr int kLead = 80;
    static constexpr int kPad = 89;

    std::string write(const std::string& name, int beats, double beatsPerMinute, int notes, int program) const {
        constexpr int kTicksPerQuarter = 96;
        MidiWriter midi(kTicksPerQuarter);
        const int track = midi.addTrack("Test");
        midi.tempo(track, 0, beatsPerMinute);
        midi.program(track, 0, 0, program);
        for (int beat = 0; beat < notes; ++beat) {
            const int length = beat + 1 == beats ? kTicksPerQuarter : kTicksPerQuarter - 8;
            midi.note(track, beat * kTicksPerQuarter, length, 0, 72 + 2 * beat, 110);
        }
        midi.setEndTick(static_cast<std::uint32_t>(beats * kTicksPerQuarter));
        midi.save(path(name));
        return path(name);
    }

    std::filesystem::path folder_;
};

// The song in a MIDI file, as the tune player takes it; null when the file
// does not parse.
inline std::shared_ptr<LoadedSong> loadSong(const std::string& path) {
    auto song = MidiFileReader::load(path);
    return song ? std::make_shared<LoadedSong>(std::move(*song)) : nullptr;
}

// What the game does for every sound: close, open anew, rewind, play.
inline bool playAnew(SoundDevice& device, Channel player, const std::string& path) {
    device.close(player);
    const bool opened = device.open(player, path);
    device.rewind(player);
    return device.play(player) && opened;
}

} // namespace zol::test
