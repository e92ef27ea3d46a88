#include "web/browser/PageProgram.h"

#include "web/browser/PageWindows.h"

#include <cstdlib>
#include <limits>

extern "C" void zolbas_page_runtime_error(const char* message, const char* caption);

namespace zol::web {

namespace {

// App.Path: the page's sound player knows the game's files by name alone.
constexpr const char* kAppPath = ".";
constexpr const char* kArrowNames[] = {"Left", "Right", "Down"};
constexpr const char* kButtonWords[] = {"play", "help", "end", "back"};
constexpr const char* kScreenWords[] = {"title", "play", "help"};
// A meteorite count below zero: the player gave up.
constexpr int kGivenUp = -1;

} // namespace

PageProgram::PageProgram()
    : trace_(traceBuffer_.file()),
      guard_([](const std::string& message) { zolbas_page_runtime_error(message.c_str(), BoxBookkeeping::kProgramCaption); }),
      game_(Services{clock_, timers_, boxes_, settings_, settings_, sound_, trace_, kAppPath}, guard_,
            [](FrontEnd&) { return std::make_unique<PageWindows>(); }),
      pacer_(
          clock_, timers_, [this] { return timers_.hold().held(); }, [this] { return game_.ended() || failed(); },
          [this] { recordKeys(lastKeys_, false); }) {
    boxes_.onFrontAnswer([this](bool okChosen) { answerBox(okChosen); });
}

void PageProgram::start() {
    game_.start();
    lastKeys_ = effects();
}

void PageProgram::frame(std::int64_t elapsedMs) {
    guard_.run([&] { pacer_.catchUp(elapsedMs); });
}

bool PageProgram::reach(std::int64_t elapsedMs) {
    frame(elapsedMs);
    return !game_.ended() && !failed();
}

PageProgram::Effects PageProgram::effects() const {
    const PlayScreen& play = game_.program().play();
    const play::HeldKeys& keys = play.heldKeys();
    const bool playing = game_.isLoaded(ScreenId::Play);
    return {boxes_.isOpen(), playing && play.state().meteorsLeft == kGivenUp,
            {playing && keys.left, playing && keys.right, playing && keys.down}};
}

// Keys reach the game through the contract's filter, which may let a release
// count only a moment later: what is recorded is what the game got. The
// game lets go of every key itself when it opens a box, and runs out of
// meteorites by itself; only a key opens the time-out box or gives up.
void PageProgram::recordKeys(Effects before, bool byKey) {
    const Effects now = effects();
    lastKeys_ = now;
    if (now.boxOpen) {
        if (byKey && !before.boxOpen) record("down Enter");
        return;
    }
    if (byKey && now.givenUp && !before.givenUp) record("down E");
    for (int i = 0; i < 3; ++i) {
        if (now.arrows[i] != before.arrows[i]) record((now.arrows[i] ? "down " : "up ") + std::string(kArrowNames[i]));
    }
}

void PageProgram::buttonChosen(std::int64_t elapsedMs, Button button) {
    if (!reach(elapsedMs) || boxes_.isOpen()) return;
    const ScreenId screen = button == Button::Back ? ScreenId::Help : ScreenId::Title;
    if (!game_.isLoaded(screen)) return;
    record(std::string("click ") + kButtonWords[static_cast<int>(button)]);
    game_.buttonChosen(button);
    lastKeys_ = effects();
}

void PageProgram::closePressed(std::int64_t elapsedMs, ScreenId screen) {
    if (!reach(elapsedMs) || boxes_.isOpen() || !game_.isLoaded(screen)) return;
    record(std::string("close ") + kScreenWords[static_cast<int>(screen)]);
    game_.closePressed(screen);
    lastKeys_ = effects();
}

void PageProgram::key(std::int64_t elapsedMs, InputSource from, bool down, play::Key key, bool autoRepeat) {
    if (!reach(elapsedMs) || boxes_.isOpen()) return;
    const Effects before = effects();
    if (down) {
        game_.keyDown(from, key, autoRepeat);
    } else {
        game_.keyUp(from, key, autoRepeat);
    }
    recordKeys(before, true);
}

void PageProgram::keyboardLost(std::int64_t elapsedMs) {
    if (!reach(elapsedMs) || boxes_.isOpen()) return;
    const Effects before = effects();
    game_.inputLost();
    recordKeys(before, true);
}

void PageProgram::boxAnswered(std::int64_t elapsedMs, bool okChosen) {
    if (!reach(elapsedMs) || !boxes_.isOpen()) return;
    answerBox(okChosen);
}

void PageProgram::answerBox(bool okChosen) {
    // A warning is no box of the script: the simulation only prints it.
    if (!boxes_.showsWarning()) record(okChosen ? "answer ok" : "answer cancel");
    boxes_.answered(okChosen);
    lastKeys_ = effects();
}

// Unlike a key, a pad reaches the game while a box is open: its buttons
// answer the box. A pad's South on the title presses the focused button,
// which records its click; on the play screen its controls are keys.
void PageProgram::padRead(std::int64_t elapsedMs, int pad, const PadReading& reading) {
    if (reach(elapsedMs)) padInput([&] { game_.padRead(pad, reading); });
}

void PageProgram::padGone(std::int64_t elapsedMs, int pad) {
    if (reach(elapsedMs)) padInput([&] { game_.padGone(pad); });
}

// A box answered or a button clicked along the way records itself and
// leaves lastKeys_ as it left the game: the keys are recorded from there.
void PageProgram::padInput(const std::function<void()>& handOver) {
    lastKeys_ = effects();
    handOver();
    recordKeys(lastKeys_, true);
}

void PageProgram::tuneEnded(std::int64_t elapsedMs) {
    if (!reach(elapsedMs)) return;
    record("musicend");
    sound_.tuneEnded();
}

void PageProgram::explosionFrame(std::int64_t elapsedMs, const std::function<void(const play::Stroke&)>& paint) {
    if (!reach(elapsedMs) || !game_.explosion().showing()) return;
    game_.explosion().frame(paint);
    lastKeys_ = effects();
}

bool PageProgram::idle() const {
    constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
    if (timers_.hold().explosionShown()) return false;
    return game_.ended() || failed() || boxes_.isOpen() || timers_.nextUsefulMs(clock_.nowMs(), kNever) == kNever;
}

std::string PageProgram::takeTrace() { return traceBuffer_.take(); }

} // namespace zol::web
