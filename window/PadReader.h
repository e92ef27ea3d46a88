#pragma once

#include "platform/sdl/SdlPads.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace zol {
class FrontEnd;
}

namespace zol::window {

// Hands the pads to the game while one of its windows is active. With no
// pad connected nothing runs: a pad plugged in shows as a change in the
// input devices' folder, which the system reports. With one connected, the
// pads are read once a frame in play, and less often on the title and help
// screens, where a button's press may wait a little and an untouched pad
// should cost next to nothing.
class PadReader : public QObject {
public:
    static constexpr int kPlayReadMs = 16;
    static constexpr int kMenuReadMs = 50;

    explicit PadReader(FrontEnd& game);
    // Looks for pads that came or went now (a virtual pad attached by a test
    // makes no device of its own).
    void rescan();

private:
    void followActivity();
    void letGoAll();
    void read();

    FrontEnd& game_;
    SdlPads pads_;
    QFileSystemWatcher devices_;
    QTimer readTimer_;
};

} // namespace zol::window
