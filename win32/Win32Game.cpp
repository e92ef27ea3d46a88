#include "win32/Win32Game.h"

#include "trace/Trace.h"
#include "win32/Win32Windows.h"

#include <memory>
#include <utility>

namespace zol::win32 {

Win32Game::Win32Game(Trace& trace, const std::string& appPath, PadSource& pads,
                     std::function<void(const std::string&)> runtimeError)
    : guard_(std::move(runtimeError)),
      timers_(clock_, guard_),
      boxes_(timers_.hold(), guard_, trace, clock_),
      game_({clock_, timers_, boxes_, settings_, preferences_, sound_, trace, appPath}, guard_,
            [this](FrontEnd& g) {
                auto made = std::make_unique<Win32Windows>(g, [this](bool active) {
                    if (pads_) pads_->appActivated(active);
                });
                windows_ = made.get();
                return made;
            }) {
    pads_.emplace(game_, pads);
}

Win32Game::~Win32Game() { pads_.reset(); }

int Win32Game::run() {
    game_.start();
    if (game_.ended()) return 0;
    return timers_.runMessageLoop([this](MSG& message) { return windows_->takeKeys(message); });
}

} // namespace zol::win32
