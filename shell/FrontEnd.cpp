#include "shell/FrontEnd.h"

#include "platform/MessageBoxes.h"
#include "platform/HandlerGuard.h"
#include "platform/Windows.h"

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
      platform_{s.clock, s.timers, s.boxes, s.settings, s.sound, *adapter_, explosion_, s.trace, s.appPath},
      program_(platform_),
      keys_(program_.play(), s.timers, s.clock),
      pads_([this](int pad, PadControl control, bool down) { padChanged(pad, control, down); }),
      preferences_(s.preferences),
      display_(preferences_.load()) {}

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

void FrontEnd::padRead(int pad, const PadReading& reading) {
    guard_.run([&] { pads_.read(pad, reading); });
}

void FrontEnd::padGone(int pad) {
    guard_.run([&] { pads_.letGo(pad); });
}

namespace {

// What a pad's control stands for on the play screen.
play::Key playKey(PadControl control) {
    switch (control) {
    case PadControl::Left: return play::Key::Left;
    case PadControl::Right: return play::Key::Right;
    case PadControl::Down: return play::Key::Down;
    case PadControl::South:
    case PadControl::Start: return play::Key::Enter;
    case PadControl::Back: return play::Key::GiveUp;
    case PadControl::Up:
    case PadControl::East: break;
    }
    return play::Key::Other;
}

} // namespace

// Runs inside the guard, from padRead.
void FrontEnd::padChanged(int pad, PadControl control, bool down) {
    if (platform_.boxes.isOpen()) {
        if (down && (control == PadControl::South || control == PadControl::East))
            platform_.boxes.answerFront(control == PadControl::South);
        return;
    }
    if (isLoaded(ScreenId::Play)) {
        const play::Key key = playKey(control);
        if (key == play::Key::Other) return;
        if (down) keys_.keyDown(InputSource::padNumber(pad), key, false);
        else keys_.keyUp(InputSource::padNumber(pad), key, false);
        return;
    }
    if (!down) return;
    switch (control) {
    case PadControl::Up:
    case PadControl::Left: windows_->moveFocus(-1); break;
    case PadControl::Down:
    case PadControl::Right: windows_->moveFocus(+1); break;
    case PadControl::South: windows_->pressFocused(); break;
    default: break;
    }
}

void FrontEnd::changeDisplay(DisplayCommand command, PixelSize available) {
    guard_.run([&] {
        const DisplayMode changed = changedMode(display_, command, available);
        if (changed == display_) return;
        display_ = changed;
        preferences_.save(display_);
        windows_->displayChanged();
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
