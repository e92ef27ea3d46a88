#include "shell/KeyFilter.h"

#include "platform/Clock.h"
#include "play/PlayScreen.h"

#include <iterator>

namespace zol {

using play::Key;

namespace {

constexpr Key kKeysTheGameReads[] = {Key::Left, Key::Right, Key::Down, Key::Enter, Key::GiveUp};

} // namespace

KeyFilter::KeyFilter(PlayScreen& play, TimerService& timers, const Clock& clock)
    : play_(play),
      hold_(timers.hold()),
      clock_(clock),
      graceTimer_(timers.create(static_cast<int>(kReleaseGraceMs), [this] { onGraceTimer(); })) {}

int KeyFilter::gameKeyIndex(Key key) {
    static_assert(std::size(kKeysTheGameReads) == kGameKeys);
    for (std::size_t i = 0; i < kGameKeys; ++i)
        if (kKeysTheGameReads[i] == key) return static_cast<int>(i);
    return -1;
}

void KeyFilter::keyDown(Key key, bool autoRepeat) {
    if (hold_.explosionShown()) return;
    const int index = gameKeyIndex(key);
    if (index >= 0 && releaseAt_[index] != kNone) {
        releaseAt_[index] = kNone;  // that release was a repeat's: the key is still held
        return;
    }
    if (!autoRepeat) play_.keyDown(key);
}

void KeyFilter::keyUp(Key key, bool autoRepeat) {
    if (hold_.explosionShown() || autoRepeat) return;
    const int index = gameKeyIndex(key);
    if (index < 0) {
        play_.keyUp(key);
        return;
    }
    releaseAt_[index] = clock_.nowMs() + kReleaseGraceMs;
    graceTimer_->setEnabled(true);
}

void KeyFilter::keyboardLost() {
    releaseAt_.fill(kNone);
    graceTimer_->setEnabled(false);
    play_.keyboardLost();
}

void KeyFilter::onGraceTimer() {
    bool waiting = false;
    for (std::size_t i = 0; i < kGameKeys; ++i) {
        if (releaseAt_[i] == kNone) continue;
        if (releaseAt_[i] <= clock_.nowMs()) {
            releaseAt_[i] = kNone;
            play_.keyUp(kKeysTheGameReads[i]);
        } else {
            waiting = true;
        }
    }
    if (!waiting) graceTimer_->setEnabled(false);
}

} // namespace zol
