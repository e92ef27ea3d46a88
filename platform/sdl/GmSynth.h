#pragma once

#include <string>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace zol {

// A FluidSynth synthesizer with the first General MIDI sound font that
// loads. Loading takes a while (the font is several megabytes), so this is
// made on the sound start-up thread, once.
class GmSynth {
public:
    // Output gain of the synthesizer: the tune peaks near -7 dBFS, which
    // leaves room for a cue on top of it.
    static constexpr double kGain = 0.45;
    static constexpr int kPolyphonyVoices = 96;

    static std::vector<std::string> defaultSoundFonts();

    GmSynth(int sampleRateHz, const std::vector<std::string>& soundFonts);
    ~GmSynth();
    GmSynth(const GmSynth&) = delete;
    GmSynth& operator=(const GmSynth&) = delete;

    // Null when no sound font could be loaded.
    fluid_synth_t* synth() const { return loaded_ ? synth_ : nullptr; }

private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    bool loaded_ = false;
};

} // namespace zol
