#pragma once

#include "platform/Platform.h"
#include "play/ExplosionShow.h"
#include "play/Key.h"
#include "play/PlayScene.h"
#include "shell/DisplayPreferences.h"
#include "shell/KeyFilter.h"
#include "shell/PadControls.h"
#include "shell/Program.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zol {

class HandlerGuard;

// The buttons of the title and help screens.
enum class Button { Play, Help, End, Back };

// What the game asks of a front end's windows, one per loaded screen.
class FrontEndWindows {
public:
    virtual ~FrontEndWindows() = default;
    // Makes the screen's window as its layout says, centred, and shows it.
    virtual void open(ScreenId screen) = 0;
    // The window goes (after the handler that closed it has returned).
    virtual void close(ScreenId screen) = 0;
    virtual void raise(ScreenId screen) = 0;
    // Paint these parts of the play screen again from FrontEnd::playScene().
    virtual void repaintPlay(const std::vector<play::PixelRect>& damage) = 0;
    // Call explosion().frame() about every ExplosionShow::kFrameMs until
    // explosion().showing() is false.
    virtual void startExplosion() = 0;
    // The program has ended: every window goes and the event loop stops.
    virtual void quit() = 0;
    // FrontEnd::display() changed: every open window is shown anew in it.
    virtual void displayChanged() = 0;
    // The title or help window in front moves its focus to the next button
    // (+1) or the one before (-1), or presses the one it has.
    virtual void moveFocus(int step) = 0;
    virtual void pressFocused() = 0;
};

// The services a front end provides; the windows come separately.
struct Services {
    const Clock& clock;
    TimerService& timers;
    MessageBoxes& boxes;
    SettingsStore& settings;
    // Where DisplayPreferences keep the display mode.
    SettingsStore& preferences;
    SoundDevice& sound;
    Trace& trace;
    std::string appPath;
};

// The game as a windowed front end sees it: what the front end calls when
// the player does something, and what it reads back to paint. Every call
// runs through the handler guard. A front end is then a painter and an
// event translator only.
class FrontEnd {
public:
    using MakeWindows = std::function<std::unique_ptr<FrontEndWindows>(FrontEnd&)>;

    FrontEnd(const Services& services, HandlerGuard& guard, const MakeWindows& makeWindows);
    ~FrontEnd();

    // The title screen opens.
    void start();
    bool ended() const { return program_.ended(); }

    // What the player did, as the window system, a pad or a touch control
    // tells it: every key of the game comes in here.
    void keyDown(InputSource from, play::Key key, bool autoRepeat);
    void keyUp(InputSource from, play::Key key, bool autoRepeat);
    // The play window lost the keyboard (another window became active).
    void inputLost();
    void closePressed(ScreenId screen);
    void buttonChosen(Button button);
    // A pad as read now (while one of the game's windows is active), and a
    // pad that went. On the play screen a pad's controls are keys of its own
    // source; on the title and help screens the d-pad moves the focus and
    // South presses; in a box South is the default answer and East the other.
    void padRead(int pad, const PadReading& reading);
    void padGone(int pad);
    // F11 and the like; `available` is the monitor's room for a window.
    void changeDisplay(DisplayCommand command, PixelSize available);

    // What to show.
    bool isLoaded(ScreenId screen) const { return program_.isLoaded(screen); }
    const Program& program() const { return program_; }
    std::vector<play::SceneItem> playScene() const;
    play::ExplosionShow& explosion() { return explosion_; }
    const DisplayMode& display() const { return display_; }

private:
    class WindowsAdapter;
    void padChanged(int pad, PadControl control, bool down);

    HandlerGuard& guard_;
    std::unique_ptr<FrontEndWindows> windows_;
    std::unique_ptr<WindowsAdapter> adapter_;
    play::ExplosionShow explosion_;
    Platform platform_;
    Program program_;
    KeyFilter keys_;
    PadControls pads_;
    DisplayPreferences preferences_;
    DisplayMode display_;
};

} // namespace zol
