#include "platform/sdl/SynthMessages.h"

#include <fluidsynth.h>

namespace zol {

void sendToSynth(fluid_synth_t* synth, const MidiEvent& event) {
    const int channel = event.status & 0x0F;
    switch (event.status & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth, channel, event.data1); break;
    case 0x90: fluid_synth_noteon(synth, channel, event.data1, event.data2); break;
    case 0xA0: fluid_synth_key_pressure(synth, channel, event.data1, event.data2); break;
    case 0xB0: fluid_synth_cc(synth, channel, event.data1, event.data2); break;
    case 0xC0: fluid_synth_program_change(synth, channel, event.data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth, channel, event.data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth, channel, event.data1 | (event.data2 << 7)); break;
    default: break;
    }
}

} // namespace zol
