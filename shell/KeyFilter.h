#pragma once

#include "platform/Timer.h"
#include "play/Key.h"
#include "shell/InputSource.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace zol {

class Clock;
class PlayScreen;

// Which key events of the keyboard, the pads and the touch controls reach
// the play screen. An arrow is held while any source holds it and let go
// when the last one lets go; Enter and E act on their press. A held key
// repeats as release and press pairs; only the real press and the real
// release reach the game, so a held key stays held and a held Enter or E
// acts once. A window system marks the repeats, but on a busy machine it
// may send a repeat's release unmarked with its press a moment behind: so a
// keyboard release counts only when no press of the same key follows within
// kReleaseGraceMs. While a box is open or the explosion is shown the game
// hears no key at all, and what was held before is let go.
class KeyFilter {
public:
    static constexpr std::int64_t kReleaseGraceMs = 8;

    KeyFilter(PlayScreen& play, TimerService& timers, const Clock& clock);

    void keyDown(InputSource from, play::Key key, bool autoRepeat);
    void keyUp(InputSource from, play::Key key, bool autoRepeat);
    // The game's windows lost the keyboard, and with it the pads: every key
    // lets go at once.
    void inputLost();

private:
    static constexpr std::int64_t kNone = -1;
    static constexpr std::size_t kArrows = 3;    // Left, Right, Down
    static constexpr std::size_t kGameKeys = 5;  // and Enter and E
    static int gameKeyIndex(play::Key key);
    void forgetWhatAHoldLetGo();
    void letGo(std::size_t index, std::uint32_t sources);
    void dropPendingReleases();
    void onGraceTimer();

    PlayScreen& play_;
    TimerService& timers_;
    const Clock& clock_;
    // Made when a release waits and dropped when none does: within one
    // millisecond it then fires after the play screen's own timers, as a
    // replayed key event would come after them.
    std::unique_ptr<Timer> graceTimer_;
    unsigned holdsSeen_ = 0;
    // For each arrow: the sources that hold it, a bit each.
    std::array<std::uint32_t, kArrows> heldBy_{};
    // For each key the game reads: when a keyboard release waiting for its
    // grace counts.
    std::array<std::int64_t, kGameKeys> releaseAt_{kNone, kNone, kNone, kNone, kNone};
};

} // namespace zol
