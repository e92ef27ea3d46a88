#pragma once

#include "platform/Screens.h"
#include "play/PlayScreen.h"
#include "shell/HelpScreen.h"
#include "shell/TitleScreen.h"
#include "store/BestScores.h"
#include "store/ScoreStore.h"

#include <array>

namespace zol {

struct Platform;

// The program: its three screens, which of them are loaded, and its end.
// A screen's object lives as long as the program; loading and unloading
// make and destroy only its window, controls and timers.
class Program : public Screens {
public:
    explicit Program(Platform& platform);

    // Program start: the title screen loads.
    void start();

    void show(ScreenId form) override;
    void unload(ScreenId form) override;
    void end() override;

    bool isLoaded(ScreenId form) const { return loaded_[index(form)]; }
    bool ended() const { return ended_; }

    const BestScores& best() const { return best_; }
    TitleScreen& title() { return title_; }
    PlayScreen& play() { return play_; }
    const PlayScreen& play() const { return play_; }
    HelpScreen& help() { return help_; }

private:
    static int index(ScreenId form) { return static_cast<int>(form); }
    void traceForm(const char* ev, ScreenId form);

    Platform& platform_;
    BestScores best_;
    ScoreStore store_;
    TitleScreen title_;
    PlayScreen play_;
    HelpScreen help_;
    std::array<bool, 3> loaded_{};
    bool ended_ = false;
};

} // namespace zol
