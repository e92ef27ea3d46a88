#include "shell/FrontEnd.h"

#include "shell/HandlerGuard.h"
#include "shell/Windows.h"

namespace zol {

// The program's requests to its windows, with the front-end policy around
// them: what moved on the play screen, and the explosion that goes with it.
class FrontEnd::WindowsAdapter : public Windows {
public:
    WindowsAdapter(FrontEnd& game, FrontEndWindows& windows) : game_(game), windows_(windows) {}

    void loaded(ScreenId screen) override {
        if (screen == ScreenId::Play) shown_ = game_.program_.play().controls();
        windows_.open(screen);
    }
    void unloaded(ScreenId screen) override {
        if (screen == ScreenId::Play) game_.explosion_.drop();
        windows_.close(screen);
    }
    void bringToFront(ScreenId screen) override { windows_.raise(screen); }
    void changed(ScreenId screen) override {
        if (screen != ScreenId::Play) return;
        const play::PlayControls& now = game_.program_.play().controls();
        auto damage = play::playDamage(shown_, now);
        shown_ = now;
        if (!damage.empty()) windows_.repaintPlay(damage);
    }
    void end() override { windows_.quit(); }

private:
    FrontEnd& game_;
    FrontEndWindows& windows_;
    play::PlayControls shown_;
};

FrontEnd::FrontEnd(const Services& s, HandlerGuard& guard, const MakeWindows& makeWindows)
    : guard_(guard),
      windows_(makeWindows(*this)),
      adapter_(std::make_unique<WindowsAdapter>(*this, *windows_)),
      explosion_(s.clock, s.timers.hold(), guard, [this] { windows_->startExplosion(); }),
      platform_{s.clock, s.timers, s.boxes, s.settings, s.sound, *adapter_, explosion_, s.trace, Rnd{}, s.appPath},
      program_(platform_),
      keys_(program_.play(), s.timers, s.clock) {}

FrontEnd::~FrontEnd() = default;

void FrontEnd::start() {
    guard_.run([this] { program_.start(); });
}

void FrontEnd::keyDown(InputSource from, play::Key key, bool autoRepeat) {
    guard_.run([&] {
        if (isLoaded(ScreenId::Play)) keys_.keyDown(from, key, autoRepeat);
    });
}

void FrontEnd::keyUp(InputSource from, play::Key key, bool autoRepeat) {
    guard_.run([&] {
        if (isLoaded(ScreenId::Play)) keys_.keyUp(from, key, autoRepeat);
    });
}

void FrontEnd::inputLost() {
    guard_.run([&] {
        if (isLoaded(ScreenId::Play)) keys_.inputLost();
    });
}

void FrontEnd::closePressed(ScreenId screen) {
    guard_.run([&] { program_.unload(screen); });
}

void FrontEnd::buttonChosen(Button button) {
    guard_.run([&] {
        switch (button) {
        case Button::Play:
            if (isLoaded(ScreenId::Title)) program_.title().play();
            break;
        case Button::Help:
            if (isLoaded(ScreenId::Title)) program_.title().help();
            break;
        case Button::End:
            if (isLoaded(ScreenId::Title)) program_.title().quit();
            break;
        case Button::Back:
            if (isLoaded(ScreenId::Help)) program_.help().back();
            break;
        }
    });
}

std::vector<play::SceneItem> FrontEnd::playScene() const { return play::playScene(program_.play().controls()); }

} // namespace zol
