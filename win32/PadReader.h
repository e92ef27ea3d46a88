#pragma once

#include "platform/win32/MessageWindow.h"
#include "platform/win32/PadSource.h"

#include <array>

namespace zol {
class FrontEnd;
}

namespace zol::win32 {

// Hands the pads to the game while one of its windows is active, a message
// box included. With no pad connected nothing runs: the pads are looked for
// when the system reports a device that came or went, and when the game's
// windows become active. With one connected, the connected pads are read
// once a frame in play and less often on the title and help screens, where
// a press may wait a little and an untouched pad should cost next to
// nothing, by a timer that a message box's loop delivers too. XInput has
// no way to tell of news: it is asked.
class PadReader {
public:
    static constexpr UINT kPlayReadMs = 16;
    static constexpr UINT kMenuReadMs = 50;
    // A pad's driver may answer a little after the system reports its
    // device: one more look, once, this long after.
    static constexpr UINT kSettleMs = 1000;

    PadReader(FrontEnd& game, PadSource& pads);
    ~PadReader();
    PadReader(const PadReader&) = delete;
    PadReader& operator=(const PadReader&) = delete;

    // The game's windows gained the keyboard from another program, or lost it.
    void appActivated(bool active);

private:
    bool onMessage(UINT message, WPARAM wParam);
    void lookForPads();
    void readConnected();
    void followActivity();

    FrontEnd& game_;
    PadSource& pads_;
    std::array<bool, PadSource::kSlots> connected_{};
    bool active_;
    UINT readMs_ = 0;  // 0 while not reading
    MessageWindow window_;
    HDEVNOTIFY devices_ = nullptr;
};

} // namespace zol::win32
