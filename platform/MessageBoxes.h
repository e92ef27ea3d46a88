#pragma once

#include <functional>
#include <string>

namespace zol {

enum class BoxButtons { Ok, OkCancel };
enum class BoxIcon { None, Exclamation };

inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;

// The second button's text, in the game's language whatever the system's.
inline constexpr const char* kCancelButtonText = "キャンセル";

// The answer of a closed box: OK when OK was chosen or the box has no
// other button, however it was closed; Cancel otherwise.
inline int boxAnswer(BoxButtons buttons, bool okChosen) {
    return okChosen || buttons == BoxButtons::Ok ? kAnswerOk : kAnswerCancel;
}

struct BoxRequest {
    std::string text;
    std::string caption;
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
};

// Modal message boxes. A box holds the game still: while it is open no timer
// event runs and the play screen has no keyboard. The handler that opened it
// continues in `answered` once the box is closed, with boxAnswer's value.
// An open box holds the timers (TimerHold).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void open(const BoxRequest& box, std::function<void(int answer)> answered) = 0;
    virtual bool isOpen() const = 0;
    // Tells the player of a problem that the game survives, then continues.
    virtual void warn(const std::string& text, std::function<void()> then) = 0;
    // Closes the box in front as its default button (OK) would, or as
    // Escape would: for a pad, which the window system does not steer.
    virtual void answerFront(bool defaultButton) = 0;
};

} // namespace zol
