#include "shell/KeyFilter.h"

#include "platform/Clock.h"
#include "play/PlayScreen.h"

#include <iterator>

namespace zol {

using play::Key;

namespace {

// The arrows first: they are held; Enter and E act on their press alone.
constexpr Key kKeysTheGameReads[] = {Key::Left, Key::Right, Key::Down, Key::Enter, Key::GiveUp};

bool fromKeyboard(InputSource from) { return from.kind == InputSource::Kind::Keyboard; }

// A bit per source: the keyboard, the touch controls, then each pad.
std::uint32_t sourceBit(InputSource from) {
    switch (from.kind) {
    case InputSource::Kind::Keyboard: return 1u;
    case InputSource::Kind::Touch: return 2u;
    case InputSource::Kind::Pad: return from.pad >= 0 && from.pad < InputSource::kPads ? 4u << from.pad : 0u;
    }
    return 0u;
}

} // namespace

KeyFilter::KeyFilter(PlayScreen& play, TimerService& timers, const Clock& clock)
    : play_(play), timers_(timers), clock_(clock), holdsSeen_(timers.hold().timesTaken()) {}

int KeyFilter::gameKeyIndex(Key key) {
    static_assert(std::size(kKeysTheGameReads) == kGameKeys);
    for (std::size_t i = 0; i < kGameKeys; ++i)
        if (kKeysTheGameReads[i] == key) return static_cast<int>(i);
    return -1;
}

void KeyFilter::keyDown(InputSource from, Key key, bool autoRepeat) {
    forgetWhatAHoldLetGo();
    const int index = gameKeyIndex(key);
    const std::uint32_t source = sourceBit(from);
    if (timers_.hold().held() || index < 0 || source == 0) return;
    if (fromKeyboard(from) && releaseAt_[index] != kNone) {
        releaseAt_[index] = kNone;  // that release was a repeat's: the key is still held
        return;
    }
    if (autoRepeat) return;
    if (static_cast<std::size_t>(index) < kArrows) heldBy_[index] |= source;
    play_.keyDown(key);
}

void KeyFilter::keyUp(InputSource from, Key key, bool autoRepeat) {
    forgetWhatAHoldLetGo();
    const int index = gameKeyIndex(key);
    const std::uint32_t source = sourceBit(from);
    if (autoRepeat || index < 0 || source == 0) return;
    if (!fromKeyboard(from)) {
        letGo(static_cast<std::size_t>(index), source);
        return;
    }
    releaseAt_[index] = clock_.nowMs() + kReleaseGraceMs;
    if (!graceTimer_) graceTimer_ = timers_.create(static_cast<int>(kReleaseGraceMs), [this] { onGraceTimer(); });
    graceTimer_->setEnabled(true);
}

void KeyFilter::inputLost() {
    heldBy_.fill(0);
    dropPendingReleases();
    play_.keyboardLost();
}

void KeyFilter::dropPendingReleases() {
    releaseAt_.fill(kNone);
    graceTimer_.reset();
}

// A box or the explosion makes the game let go of every key by itself; a
// source's release may then go to the box and never come here.
void KeyFilter::forgetWhatAHoldLetGo() {
    if (timers_.hold().timesTaken() == holdsSeen_) return;
    holdsSeen_ = timers_.hold().timesTaken();
    heldBy_.fill(0);
    dropPendingReleases();
}

void KeyFilter::letGo(std::size_t index, std::uint32_t sources) {
    if (index >= kArrows) return;
    heldBy_[index] &= ~sources;
    if (heldBy_[index] == 0 && !timers_.hold().held()) play_.keyUp(kKeysTheGameReads[index]);
}

void KeyFilter::onGraceTimer() {
    bool waiting = false;
    for (std::size_t i = 0; i < kGameKeys; ++i) {
        if (releaseAt_[i] == kNone) continue;
        if (releaseAt_[i] <= clock_.nowMs()) {
            releaseAt_[i] = kNone;
            letGo(i, sourceBit(InputSource::keyboard()));
        } else {
            waiting = true;
        }
    }
    if (!waiting) graceTimer_.reset();  // from inside its own event: the timers allow it
}

} // namespace zol
