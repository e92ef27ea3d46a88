#include "platform/sim/SimMessageBoxes.h"

#include "platform/Clock.h"

#include <cstdio>
#include <utility>

namespace zol::sim {

void SimMessageBoxes::open(const BoxRequest& box, std::function<void(int)> answered) {
    open_ = true;
    hold_.boxOpened();
    buttons_ = box.buttons;
    answered_ = std::move(answered);
    record_.boxOpened(clock_.nowMs(), box);
}

void SimMessageBoxes::warn(const std::string& text, std::function<void()> then) {
    std::fprintf(stderr, "zolbas: %s\n", text.c_str());
    then();
}

void SimMessageBoxes::answer(bool ok) {
    const int result = boxAnswer(buttons_, ok);
    open_ = false;
    hold_.boxClosed();
    record_.boxAnswered(clock_.nowMs(), result);
    // The handler may open the next box at once; take it out first.
    auto answered = std::exchange(answered_, nullptr);
    if (answered) answered(result);
}

} // namespace zol::sim
