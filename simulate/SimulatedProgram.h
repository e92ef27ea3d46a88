#pragma once

#include "platform/ExecutableFolder.h"
#include "platform/Platform.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimSettingsStore.h"
#include "platform/sim/SimSoundDevice.h"
#include "platform/sim/SimTimerService.h"
#include "platform/sim/SimWindows.h"
#include "shell/Program.h"
#include "trace/Trace.h"

namespace zol::simulate {

// The program on the simulated platform, with every service it needs in
// place of a window system: what a script and the tests drive.
struct SimulatedProgram {
    explicit SimulatedProgram(Trace& trace)
        : boxes{timers.hold(), trace, clock},
          platform{clock, timers, boxes, settings, sound, windows, explosion, trace, executableFolder()},
          program(platform) {}
    SimulatedProgram(const SimulatedProgram&) = delete;
    SimulatedProgram& operator=(const SimulatedProgram&) = delete;

    sim::SimClock clock;
    sim::SimTimerService timers{clock};
    sim::SimMessageBoxes boxes;
    sim::SimSettingsStore settings;
    sim::SimSoundDevice sound;
    sim::SimWindows windows;
    sim::SimDrawing explosion;
    Platform platform;
    Program program;
};

} // namespace zol::simulate
