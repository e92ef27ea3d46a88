#pragma once

#include "runtime/Rnd.h"

#include <string>

namespace zol {

class Clock;
class MessageBoxes;
class SettingsStore;
class SoundDevice;
class TimerService;
class Trace;
class Windows;

// The services of the forms runtime that the game runs on. The windowed
// program and the simulation each provide their own; the game code sees
// only these.
struct Platform {
    const Clock& clock;
    TimerService& timers;
    MessageBoxes& boxes;
    SettingsStore& settings;
    SoundDevice& sound;
    Windows& windows;
    Trace& trace;
    Rnd rnd;
    std::string appPath;
};

} // namespace zol
