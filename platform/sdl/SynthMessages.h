#pragma once

#include "platform/sdl/MidiSong.h"

typedef struct _fluid_synth_t fluid_synth_t;

namespace zol {

// Plays one channel message of a song on FluidSynth.
void sendToSynth(fluid_synth_t* synth, const MidiEvent& event);

} // namespace zol
