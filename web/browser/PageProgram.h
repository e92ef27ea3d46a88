#pragma once

#include "platform/sim/RealTimePacer.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimTimerService.h"
#include "platform/web/TraceBuffer.h"
#include "platform/web/WebMessageBoxes.h"
#include "platform/web/WebSettingsStore.h"
#include "platform/web/WebSoundDevice.h"
#include "shell/FrontEnd.h"
#include "platform/HandlerGuard.h"
#include "simulate/ScriptRecorder.h"
#include "trace/Trace.h"

#include <array>
#include <cstdint>
#include <string>

namespace zol::web {

// The program in the page: the game's front-end contract on the simulated
// clock and timers, paced to the browser's clock at every animation frame,
// with the browser's storage, boxes and sound. Everything the player does
// reaches the game at a definite millisecond of its clock, and what it does
// to the game is recorded as a script of `zolbas --simulate`; the game's
// events are kept as its trace. So a game in the page replays on the
// simulation event for event. Times are real milliseconds since the start.
class PageProgram {
public:
    PageProgram();
    PageProgram(const PageProgram&) = delete;
    PageProgram& operator=(const PageProgram&) = delete;

    void start();
    void frame(std::int64_t elapsedMs);

    // What the player does.
    void buttonChosen(std::int64_t elapsedMs, Button button);
    void closePressed(std::int64_t elapsedMs, ScreenId screen);
    // A key of the keyboard or of the page's touch controls, recorded as a
    // key either way.
    void key(std::int64_t elapsedMs, InputSource from, bool down, play::Key key, bool autoRepeat);
    void keyboardLost(std::int64_t elapsedMs);
    void boxAnswered(std::int64_t elapsedMs, bool okChosen);
    // A pad as the page read it, and a pad that went or stopped counting
    // (the page lost the focus). What the pad did is recorded as the keys,
    // clicks and answers it stood for.
    void padRead(std::int64_t elapsedMs, int pad, const PadReading& reading);
    void padGone(std::int64_t elapsedMs, int pad);
    // What the page reports back.
    void tuneEnded(std::int64_t elapsedMs);
    // The explosion's strokes of the frame due now, handed to `paint`.
    void explosionFrame(std::int64_t elapsedMs, const std::function<void(const play::Stroke&)>& paint);

    // The events written since the last call, one JSON object a line.
    std::string takeTrace();
    // What the player did so far, as a script; it ends at the present moment.
    std::string script() const { return recorder_.script(clock_.nowMs()); }
    std::int64_t skippedMs() const { return pacer_.skippedMs(); }
    bool failed() const { return guard_.failed(); }
    // Nothing can happen before the player's next input (no timer runs, or a
    // box waits for an answer): the page need not run frames until then.
    bool idle() const;
    FrontEnd& game() { return game_; }

private:
    // What the player's inputs did to the game, as the script can say it.
    struct Effects {
        bool boxOpen;
        bool givenUp;
        std::array<bool, 3> arrows;
    };
    Effects effects() const;
    void record(const std::string& command) { recorder_.record(clock_.nowMs(), command); }
    // `before` is a copy: the caller may pass lastKeys_, which this sets.
    void recordKeys(Effects before, bool byKey);
    // Catches the clock up to the moment of an input; false once it ended.
    bool reach(std::int64_t elapsedMs);
    // The open box's answer, however the player gave it.
    void answerBox(bool okChosen);
    // Hands a pad's change to the game, and records what it did.
    void padInput(const std::function<void()>& handOver);

    TraceBuffer traceBuffer_;
    Trace trace_;
    HandlerGuard guard_;
    sim::SimClock clock_;
    sim::SimTimerService timers_{clock_};
    WebMessageBoxes boxes_{timers_.hold(), guard_, trace_, clock_};
    WebSettingsStore settings_;
    WebSoundDevice sound_;
    FrontEnd game_;
    sim::RealTimePacer pacer_;
    simulate::ScriptRecorder recorder_;
    Effects lastKeys_{};
};

} // namespace zol::web
