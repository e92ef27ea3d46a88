#include "window/PadReader.h"

#include "shell/FrontEnd.h"

#include <QGuiApplication>

namespace zol::window {

namespace {

// Where Linux lists its input devices; a pad's coming and going changes it.
const char* const kInputDevices = "/dev/input";

} // namespace

PadReader::PadReader(FrontEnd& game) : game_(game) {
    devices_.addPath(QString::fromLatin1(kInputDevices));
    QObject::connect(&devices_, &QFileSystemWatcher::directoryChanged, this, [this] { rescan(); });
    readTimer_.setInterval(kMenuReadMs);
    QObject::connect(&readTimer_, &QTimer::timeout, this, [this] { read(); });
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this] { followActivity(); });
    rescan();
}

void PadReader::rescan() {
    pads_.rescan([this](int slot) { game_.padGone(slot); });
    followActivity();
}

// A pad counts only while one of the game's windows is active: another
// program's pad stays its own.
void PadReader::followActivity() {
    const bool reading = pads_.any() && QGuiApplication::applicationState() == Qt::ApplicationActive;
    if (reading == readTimer_.isActive()) return;
    if (reading) {
        readTimer_.start();
    } else {
        readTimer_.stop();
        letGoAll();
    }
}

void PadReader::read() {
    pads_.read([this](int slot, const PadReading& reading) { game_.padRead(slot, reading); });
    // Setting the interval restarts the timer: only when the screen changed.
    const int interval = game_.isLoaded(ScreenId::Play) ? kPlayReadMs : kMenuReadMs;
    if (readTimer_.interval() != interval) readTimer_.setInterval(interval);
}

void PadReader::letGoAll() {
    for (int slot = 0; slot < SdlPads::kSlots; ++slot) game_.padGone(slot);
}

} // namespace zol::window
