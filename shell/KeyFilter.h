#pragma once

#include "platform/Timer.h"
#include "play/Key.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace zol {

class Clock;
class PlayScreen;

// Which of a window's key events reach the play screen. A held key repeats
// as release and press pairs; only the real press and the real release
// reach the game, so a held key stays held and a held Enter or E acts once.
// A window system marks the repeats, but on a busy machine it may send a
// repeat's release unmarked with its press a moment behind: so a release
// counts only when no press of the same key follows within kReleaseGraceMs.
// While the explosion is shown the game hears no key at all.
class KeyFilter {
public:
    static constexpr std::int64_t kReleaseGraceMs = 8;

    KeyFilter(PlayScreen& play, TimerService& timers, const Clock& clock);

    void keyDown(play::Key key, bool autoRepeat);
    void keyUp(play::Key key, bool autoRepeat);
    // The play screen lost the keyboard: every key lets go at once.
    void keyboardLost();

private:
    static constexpr std::int64_t kNone = -1;
    static constexpr std::size_t kGameKeys = 5;  // Left, Right, Down, Enter and E
    static int gameKeyIndex(play::Key key);
    void onGraceTimer();

    PlayScreen& play_;
    const TimerHold& hold_;
    const Clock& clock_;
    std::unique_ptr<Timer> graceTimer_;
    // For each key the game reads: when a release waiting for its grace counts.
    std::array<std::int64_t, kGameKeys> releaseAt_{kNone, kNone, kNone, kNone, kNone};
};

} // namespace zol
