#include "shell/KeyFilter.h"

#include "platform/Clock.h"
#include "play/PlayScreen.h"

namespace zol {

using play::Key;

namespace {

constexpr Key kArrows[] = {Key::Left, Key::Right, Key::Down};

} // namespace

KeyFilter::KeyFilter(PlayScreen& play, TimerService& timers, const Clock& clock)
    : play_(play),
      hold_(timers.hold()),
      clock_(clock),
      graceTimer_(timers.create(static_cast<int>(kReleaseGraceMs), [this] { onGraceTimer(); })) {}

int KeyFilter::arrowIndex(Key key) {
    for (int i = 0; i < 3; ++i)
        if (kArrows[i] == key) return i;
    return -1;
}

void KeyFilter::keyDown(Key key, bool autoRepeat) {
    if (hold_.explosionShown()) return;
    const int arrow = arrowIndex(key);
    if (arrow >= 0 && releaseAt_[arrow] != kNone) {
        releaseAt_[arrow] = kNone;  // that release was a repeat's: the key is still held
        return;
    }
    if (!autoRepeat) play_.keyDown(key);
}

void KeyFilter::keyUp(Key key, bool autoRepeat) {
    if (hold_.explosionShown() || autoRepeat) return;
    const int arrow = arrowIndex(key);
    if (arrow < 0) {
        play_.keyUp(key);
        return;
    }
    releaseAt_[arrow] = clock_.nowMs() + kReleaseGraceMs;
    graceTimer_->setEnabled(true);
}

void KeyFilter::keyboardLost() {
    releaseAt_.fill(kNone);
    graceTimer_->setEnabled(false);
    play_.keyboardLost();
}

void KeyFilter::onGraceTimer() {
    bool waiting = false;
    for (int i = 0; i < 3; ++i) {
        if (releaseAt_[i] == kNone) continue;
        if (releaseAt_[i] <= clock_.nowMs()) {
            releaseAt_[i] = kNone;
            play_.keyUp(kArrows[i]);
        } else {
            waiting = true;
        }
    }
    if (!waiting) graceTimer_->setEnabled(false);
}

} // namespace zol
