#include "platform/sdl/GmSynth.h"

#include <fluidsynth.h>

namespace zol {

std::vector<std::string> GmSynth::defaultSoundFonts() {
    return {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};
}

GmSynth::GmSynth(int sampleRateHz, const std::vector<std::string>& soundFonts) {
    // FluidSynth reports to standard error by default; the game reports a
    // missing font itself, once, and wants nothing more from it.
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
        fluid_set_log_function(level, nullptr, nullptr);
    }
    settings_ = new_fluid_settings();
    if (!settings_) return;
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRateHz);
    fluid_settings_setnum(settings_, "synth.gain", kGain);
    fluid_settings_setint(settings_, "synth.polyphony", kPolyphonyVoices);
    fluid_settings_setint(settings_, "synth.reverb.active", 1);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_settings_setint(settings_, "synth.lock-memory", 0);
    synth_ = new_fluid_synth(settings_);
    if (!synth_) return;
    for (const auto& path : soundFonts) {
        if (fluid_is_soundfont(path.c_str()) && fluid_synth_sfload(synth_, path.c_str(), 1) != FLUID_FAILED) {
            loaded_ = true;
            return;
        }
    }
}

GmSynth::~GmSynth() {
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

} // namespace zol
