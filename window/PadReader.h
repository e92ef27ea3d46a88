#pragma once

#include "platform/qt/DeviceFileWake.h"
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
// input devices' folder, which the system reports. Pads that report through
// their event files are read when a file has news, at most once a frame in
// play and less often on the title and help screens, so an untouched pad
// wakes nobody. A pad SDL reads any other way (its own HID driver, or a
// virtual pad) has all pads read at those intervals instead.
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
    bool wakeOnEventFiles();
    void letGoAll();
    void read();

    FrontEnd& game_;
    SdlPads pads_;
    QFileSystemWatcher devices_;
    qt::DeviceFileWake news_;
    // Polling: the next read. Waking on news: the end of the rest after a
    // read, when news is heard again.
    QTimer readTimer_;
    bool reading_ = false;
    bool polling_ = true;
};

} // namespace zol::window
