#include "platform/qt/DeviceFileWake.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace zol::qt {

DeviceFileWake::DeviceFileWake(std::function<void()> news) : news_(std::move(news)) {}

DeviceFileWake::~DeviceFileWake() { clear(); }

bool DeviceFileWake::watch(const std::vector<std::string>& paths) {
    clear();
    for (const std::string& path : paths) {
        const int descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) {
            clear();
            return false;
        }
        auto notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { news_(); });
        files_.push_back({descriptor, std::move(notifier)});
    }
    return true;
}

void DeviceFileWake::clear() {
    for (File& file : files_) {
        file.notifier.reset();
        close(file.descriptor);
    }
    files_.clear();
}

void DeviceFileWake::takeNews() {
    char buffer[4096];
    for (File& file : files_) {
        file.notifier->setEnabled(false);
        for (;;) {
            const ssize_t got = read(file.descriptor, buffer, sizeof buffer);
            if (got > 0) continue;
            if (got < 0 && errno == EINTR) continue;
            file.ended = got == 0 || errno != EAGAIN;
            break;
        }
    }
}

void DeviceFileWake::listen() {
    for (File& file : files_)
        if (!file.ended) file.notifier->setEnabled(true);
}

} // namespace zol::qt
