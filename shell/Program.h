#pragma once

#include "platform/Forms.h"
#include "play/PlayScreen.h"
#include "shell/HelpScreen.h"
#include "shell/TitleScreen.h"
#include "store/Module1.h"
#include "store/ScoreStore.h"

#include <array>

namespace zol {

struct Platform;

// The program: its three screens, which of them are loaded, and its end.
// A screen's object lives as long as the program; loading and unloading
// make and destroy only its window, controls and timers.
class Program : public Forms {
public:
    explicit Program(Platform& platform);

    // Program start: the title screen loads.
    void start();

    void show(FormId form) override;
    void unload(FormId form) override;
    void end() override;

    bool isLoaded(FormId form) const { return loaded_[index(form)]; }
    bool ended() const { return ended_; }

    Module1& module1() { return module1_; }
    TitleScreen& title() { return title_; }
    PlayScreen& play() { return play_; }
    const PlayScreen& play() const { return play_; }
    HelpScreen& help() { return help_; }

private:
    static int index(FormId form) { return static_cast<int>(form); }
    void traceForm(const char* ev, FormId form);

    Platform& platform_;
    Module1 module1_;
    ScoreStore store_;
    TitleScreen title_;
    PlayScreen play_;
    HelpScreen help_;
    std::array<bool, 3> loaded_{};
    bool ended_ = false;
};

} // namespace zol
