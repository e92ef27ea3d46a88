#include "window/QtGame.h"

#include "trace/Trace.h"
#include "window/QtWindows.h"

#include <QGuiApplication>

#include <memory>
#include <utility>

namespace zol::window {

QtGame::QtGame(Trace& trace, const std::string& appPath, std::function<void(const std::string&)> runtimeError)
    : guard_(std::move(runtimeError)),
      timers_(clock_, guard_),
      boxes_(timers_.hold(), guard_, trace, clock_),
      // The sound device (and its soundfont) starts when the first game
      // does, on a thread of its own, so the title screen opens without
      // waiting.
      game_({clock_, timers_, boxes_, settings_, settings_, sound_, trace, appPath}, guard_,
            [this](FrontEnd& g) {
                return std::make_unique<QtWindows>(g, [this](ScreenId screen) {
                    if (screen == ScreenId::Play) sound_.prepare();
                });
            }),
      displayKeys_(game_) {}

void QtGame::start() {
    firstActive_ = QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive || pads_) return;
        pads_.emplace(game_);
        QObject::disconnect(firstActive_);
    });
    game_.start();
}

QtGame::~QtGame() { QObject::disconnect(firstActive_); }

} // namespace zol::window
