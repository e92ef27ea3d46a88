#include "window/PadReader.h"

#include "shell/FrontEnd.h"

#include <QGuiApplication>

namespace zol::window {

namespace {

// Where Linux lists its input devices; a pad's coming and going changes it.
const char* const kInputDevices = "/dev/input";
// How the event files of input devices are named; one reports a pad's
// changes only, which is what makes an untouched pad silent.
const char* const kEventFiles = "/dev/input/event";

} // namespace

PadReader::PadReader(FrontEnd& game)
    : game_(game), news_([this] {
          news_.takeNews();
          read();
      }) {
    devices_.addPath(QString::fromLatin1(kInputDevices));
    QObject::connect(&devices_, &QFileSystemWatcher::directoryChanged, this, [this] { rescan(); });
    QObject::connect(&readTimer_, &QTimer::timeout, this, [this] {
        if (polling_) read();
        else news_.listen();
    });
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this] { followActivity(); });
    rescan();
}

void PadReader::rescan() {
    pads_.rescan([this](int slot) { game_.padGone(slot); });
    followActivity();
}

// A pad counts only while one of the game's windows is active: another
// program's pad stays its own.
// Pads may also have come or gone: how to hear of them is chosen again.
void PadReader::followActivity() {
    const bool reading = pads_.any() && QGuiApplication::applicationState() == Qt::ApplicationActive;
    if (!reading) {
        if (!reading_) return;
        reading_ = false;
        readTimer_.stop();
        news_.clear();
        letGoAll();
        return;
    }
    reading_ = true;
    polling_ = !wakeOnEventFiles();
    readTimer_.setSingleShot(!polling_);
    readTimer_.stop();
    news_.takeNews();
    read();
}

bool PadReader::wakeOnEventFiles() {
    const std::vector<std::string> files = pads_.deviceFiles();
    for (const std::string& file : files) {
        if (file.rfind(kEventFiles, 0) != 0) {
            news_.clear();
            return false;
        }
    }
    return news_.watch(files);
}

void PadReader::read() {
    pads_.read([this](int slot, const PadReading& reading) { game_.padRead(slot, reading); });
    const int interval = game_.isLoaded(ScreenId::Play) ? kPlayReadMs : kMenuReadMs;
    // Starting a polling timer again would put its next read off: only when
    // the screen changed.
    if (polling_ && readTimer_.isActive() && readTimer_.interval() == interval) return;
    readTimer_.start(interval);
}

void PadReader::letGoAll() {
    for (int slot = 0; slot < SdlPads::kSlots; ++slot) game_.padGone(slot);
}

} // namespace zol::window
