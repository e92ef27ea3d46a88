#include "simulate/Simulation.h"

#include "platform/ClockArithmetic.h"
#include "runtime/NumberText.h"
#include "platform/RuntimeError.h"

#include <cerrno>
#include <cstring>
#include <limits>
#include <variant>

namespace zol::simulate {

namespace {

const std::string kPastClockEnd = "the clock cannot go past " + numberText(kClockEndMs) + " ms";

} // namespace

Simulation::Simulation(std::FILE* events)
    : trace_(events, [this](const std::string& reason) { outputFailure_ = reason; }),
      game_(trace_) {}

int Simulation::run(std::istream& script) {
    // Events that cannot be written are lost: the run stops at the first.
    const auto outputFailed = [this] {
        if (outputFailure_.empty()) return false;
        std::fprintf(stderr, "zolbas: cannot write the events: %s\n", outputFailure_.c_str());
        return true;
    };
    try {
        game_.program.start();
        if (outputFailed()) return kExitOutputError;
        std::string line;
        for (int number = 1; !game_.program.ended() && std::getline(script, line); ++number) {
            const auto parsed = parseLine(line);
            std::string error = std::holds_alternative<std::string>(parsed)
                                    ? std::get<std::string>(parsed)
                                    : execute(std::get<Command>(parsed));
            if (!error.empty()) {
                std::fprintf(stderr, "zolbas: script line %d: %s\n", number, error.c_str());
                return kExitScriptError;
            }
            if (outputFailed()) return kExitOutputError;
        }
        // getline stops at a read error as at the end of the script; only
        // the stream's bad bit tells the two apart.
        if (script.bad()) {
            std::fprintf(stderr, "zolbas: cannot read the script: %s\n", std::strerror(errno));
            return kExitScriptError;
        }
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "zolbas: %s\n", error.what());
        return kExitRuntimeError;
    }
    return kExitOk;
}

void Simulation::advanceTowards(std::int64_t target) {
    const bool held = game_.timers.hold().held();
    game_.clock.set(held ? target : game_.timers.nextUsefulMs(game_.clock.nowMs(), target));
    if (!held) game_.timers.fireDue([this] { return game_.timers.hold().held() || game_.program.ended(); });
}

std::string Simulation::execute(const Command& c) {
    using Kind = Command::Kind;
    switch (c.kind) {
    case Kind::None: return {};
    case Kind::Wait:
    {
        const auto reachable = checkedLaterMs(game_.clock.nowMs(), c.number);
        if (!reachable) return kPastClockEnd;
        const std::int64_t target = *reachable;
        while (game_.clock.nowMs() < target && !game_.program.ended()) advanceTowards(target);
        return {};
    }
    case Kind::Ticks: return ticks(c.number);
    case Kind::Down:
    case Kind::Up: return key(c);
    case Kind::Click: return click(c.word);
    case Kind::Close: return close(c.word);
    case Kind::Answer:
        if (!game_.boxes.isOpen()) return "no box is open";
        game_.boxes.answer(c.word == "ok");
        return {};
    case Kind::Set: game_.settings.set(c.word, c.text); return {};
    case Kind::Unset: game_.settings.unset(c.word); return {};
    case Kind::MusicEnd: game_.sound.musicEnded(); return {};
    }
    return {};
}

std::string Simulation::ticks(std::int64_t count) {
    PlayScreen& play = game_.program.play();
    if (!game_.program.isLoaded(ScreenId::Play)) return "the play screen is not loaded";
    if (!play.tickTimerEnabled()) return "the tick timer is stopped";
    if (game_.boxes.isOpen()) return "a box is open";
    const std::uint64_t target = play.processedTicks() + static_cast<std::uint64_t>(count);
    while (play.processedTicks() < target && !game_.program.ended() && !game_.boxes.isOpen() &&
           game_.program.isLoaded(ScreenId::Play) && play.tickTimerEnabled()) {
        if (game_.clock.nowMs() == kClockEndMs) return kPastClockEnd;
        advanceTowards(kClockEndMs);
    }
    return {};
}

std::string Simulation::key(const Command& c) {
    if (!game_.program.isLoaded(ScreenId::Play)) return "the play screen is not loaded";
    if (game_.boxes.isOpen()) return "a box is open";
    if (c.kind == Command::Kind::Down) {
        game_.program.play().keyDown(c.key);
    } else {
        game_.program.play().keyUp(c.key);
    }
    return {};
}

std::string Simulation::click(const std::string& button) {
    if (game_.boxes.isOpen()) return "a box is open";
    if (button == "back") {
        if (!game_.program.isLoaded(ScreenId::Help)) return "the help screen is not loaded";
        game_.program.help().back();
        return {};
    }
    if (!game_.program.isLoaded(ScreenId::Title)) return "the title screen is not loaded";
    if (button == "play") game_.program.title().play();
    if (button == "help") game_.program.title().help();
    if (button == "end") game_.program.title().quit();
    return {};
}

std::string Simulation::close(const std::string& form) {
    const ScreenId id = form == "title" ? ScreenId::Title : form == "play" ? ScreenId::Play : ScreenId::Help;
    if (!game_.program.isLoaded(id)) return "the " + form + " screen is not loaded";
    if (game_.boxes.isOpen()) return "a box is open";
    game_.program.unload(id);
    return {};
}

} // namespace zol::simulate
