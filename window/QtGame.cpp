#include "window/QtGame.h"

#include "window/QtWindows.h"

#include <QTimer>

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
    QTimer::singleShot(0, [this] { pads_.emplace(game_); });
    game_.start();
}

} // namespace zol::window
