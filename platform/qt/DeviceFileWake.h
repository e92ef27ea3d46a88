#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

namespace zol::qt {

// Calls back when one of some device files has something to read, from
// Qt's event loop, so that a device left alone wakes nobody. A pad's event
// file reports only changes: an untouched pad is silent. The files are
// opened beside whoever else reads them (each reader gets its own copy of
// what the device reports) and are only emptied here.
class DeviceFileWake {
public:
    explicit DeviceFileWake(std::function<void()> news);
    ~DeviceFileWake();
    DeviceFileWake(const DeviceFileWake&) = delete;
    DeviceFileWake& operator=(const DeviceFileWake&) = delete;

    // Watches these files in place of those watched before. False, watching
    // none, when one of them cannot be opened.
    bool watch(const std::vector<std::string>& paths);
    void clear();
    // Reads away what the files hold and calls back no more until `listen`:
    // news that comes meanwhile waits for it.
    void takeNews();
    void listen();

private:
    struct File {
        int descriptor;
        std::unique_ptr<QSocketNotifier> notifier;
        // A device that went (or a pipe whose writer closed) reads as an
        // error or an end for ever; it is not listened to again.
        bool ended = false;
    };

    std::function<void()> news_;
    std::vector<File> files_;
};

} // namespace zol::qt
