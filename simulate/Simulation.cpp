#include "simulate/Simulation.h"

#include "platform/ClockArithmetic.h"
#include "platform/ExecutableFolder.h"
#include "runtime/NumberText.h"
#include "runtime/RuntimeError.h"

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
      platform_{clock_, timers_, boxes_, settings_, sound_, windows_, explosion_, trace_, Rnd{}, executableFolder()},
      program_(platform_) {}

int Simulation::run(std::istream& script) {
    // Events that cannot be written are lost: the run stops at the first.
    const auto outputFailed = [this] {
        if (outputFailure_.empty()) return false;
        std::fprintf(stderr, "zolbas: cannot write the events: %s\n", outputFailure_.c_str());
        return true;
    };
    try {
        program_.start();
        if (outputFailed()) return kExitOutputError;
        std::string line;
        for (int number = 1; !program_.ended() && std::getline(script, line); ++number) {
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
    const bool held = timers_.hold().held();
    clock_.set(held ? target : timers_.nextUsefulMs(clock_.nowMs(), target));
    if (!held) timers_.fireDue([this] { return timers_.hold().held() || program_.ended(); });
}

std::string Simulation::execute(const Command& c) {
    using Kind = Command::Kind;
    switch (c.kind) {
    case Kind::None: return {};
    case Kind::Wait:
    {
        const auto reachable = checkedLaterMs(clock_.nowMs(), c.number);
        if (!reachable) return kPastClockEnd;
        const std::int64_t target = *reachable;
        while (clock_.nowMs() < target && !program_.ended()) advanceTowards(target);
        return {};
    }
    case Kind::Ticks: return ticks(c.number);
    case Kind::Down:
    case Kind::Up: return key(c);
    case Kind::Click: return click(c.word);
    case Kind::Close: return close(c.word);
    case Kind::Answer:
        if (!boxes_.isOpen()) return "no box is open";
        boxes_.answer(c.word == "ok");
        return {};
    case Kind::Set: settings_.set(c.word, c.text); return {};
    case Kind::Unset: settings_.unset(c.word); return {};
    case Kind::MusicEnd: sound_.musicEnded(); return {};
    }
    return {};
}

std::string Simulation::ticks(std::int64_t count) {
    PlayScreen& play = program_.play();
    if (!program_.isLoaded(ScreenId::Play)) return "the play screen is not loaded";
    if (!play.tickTimerEnabled()) return "the tick timer is stopped";
    if (boxes_.isOpen()) return "a box is open";
    const std::uint64_t target = play.processedTicks() + static_cast<std::uint64_t>(count);
    while (play.processedTicks() < target && !program_.ended() && !boxes_.isOpen() &&
           program_.isLoaded(ScreenId::Play) && play.tickTimerEnabled()) {
        if (clock_.nowMs() == kClockEndMs) return kPastClockEnd;
        advanceTowards(kClockEndMs);
    }
    return {};
}

std::string Simulation::key(const Command& c) {
    if (!program_.isLoaded(ScreenId::Play)) return "the play screen is not loaded";
    if (boxes_.isOpen()) return "a box is open";
    if (c.kind == Command::Kind::Down) {
        program_.play().keyDown(c.key);
    } else {
        program_.play().keyUp(c.key);
    }
    return {};
}

std::string Simulation::click(const std::string& button) {
    if (boxes_.isOpen()) return "a box is open";
    if (button == "back") {
        if (!program_.isLoaded(ScreenId::Help)) return "the help screen is not loaded";
        program_.help().back();
        return {};
    }
    if (!program_.isLoaded(ScreenId::Title)) return "the title screen is not loaded";
    if (button == "play") program_.title().play();
    if (button == "help") program_.title().help();
    if (button == "end") program_.title().quit();
    return {};
}

std::string Simulation::close(const std::string& form) {
    const ScreenId id = form == "title" ? ScreenId::Title : form == "play" ? ScreenId::Play : ScreenId::Help;
    if (!program_.isLoaded(id)) return "the " + form + " screen is not loaded";
    if (boxes_.isOpen()) return "a box is open";
    program_.unload(id);
    return {};
}

} // namespace zol::simulate
