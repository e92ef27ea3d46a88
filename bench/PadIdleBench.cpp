// What an untouched pad costs the title screen: the game in this process
// on the title, measured in turns without a pad, with SDL's virtual pad
// attached, and with a silent pipe watched as a real pad's event file is,
// from the process's processor time (all threads). A virtual pad has no
// file, so it is polled as a pad SDL reads through its own HID driver is.
// Prints the medians in % of one core and their differences.
//
//   zolbas_pad_idle_bench [SECONDS] [ROUNDS]   (needs a display)
#include "platform/qt/DeviceFileWake.h"
#include "trace/Trace.h"
#include "window/Fonts.h"
#include "window/QtGame.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <SDL.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// % of one core over `seconds` of the event loop.
double measure(int seconds) {
    const double before = processorSeconds();
    runFor(seconds * 1000);
    return 100 * (processorSeconds() - before) / seconds;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    // The game's own event dispatcher, as the windowed program chooses it.
    qputenv("QT_NO_GLIB", "1");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    zol::window::installFontSubstitutions();
    zol::Trace trace;
    zol::window::QtGame game(trace, ".", [](const std::string& message) {
        std::fprintf(stderr, "%s\n", message.c_str());
        std::exit(1);
    });
    game.start();
    while (!game.pads() || !QApplication::activeWindow()) runFor(10);

    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    const std::string pipe = config.filePath("event0").toStdString();
    mkfifo(pipe.c_str(), 0600);
    std::vector<double> without, with, watched;
    runFor(1000);
    for (int round = 0; round < rounds; ++round) {
        without.push_back(measure(seconds));
        const int device = SDL_JoystickAttachVirtualEx(&desc);
        game.pads()->rescan();
        runFor(500);
        with.push_back(measure(seconds));
        SDL_JoystickDetachVirtual(device);
        game.pads()->rescan();
        runFor(500);
        {
            zol::qt::DeviceFileWake wake([] { std::fputs("the silent file spoke\n", stderr); });
            wake.watch({pipe});
            watched.push_back(measure(seconds));
        }
    }
    std::printf("title, %% of one core, median of %d runs of %d s: no pad %.3f, an untouched polled pad %.3f "
                "(difference %.3f), an untouched pad's event file watched %.3f (difference %.3f)\n",
                rounds, seconds, median(without), median(with), median(with) - median(without), median(watched),
                median(watched) - median(without));
    return 0;
}
