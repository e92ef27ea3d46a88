#pragma once

#include <string>

namespace zol {

class Clock;
class Drawing;
class MessageBoxes;
class SettingsStore;
class SoundDevice;
class TimerService;
class Trace;
class Windows;

// The services the game runs on. The windowed front ends and the
// simulation each provide their own; the game code sees only these.
struct Platform {
    const Clock& clock;
    TimerService& timers;
    MessageBoxes& boxes;
    SettingsStore& settings;
    SoundDevice& sound;
    Windows& windows;
    // Where the game-over explosion is drawn, behind the play screen's controls.
    Drawing& explosion;
    Trace& trace;
    std::string appPath;
};

} // namespace zol
