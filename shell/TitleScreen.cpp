#include "shell/TitleScreen.h"

#include "platform/Screens.h"
#include "store/ScoreStore.h"

namespace zol {

void TitleScreen::load() { store_.load(); }

void TitleScreen::play() {
    screens_.show(ScreenId::Play);
    screens_.unload(ScreenId::Title);
}

void TitleScreen::help() { screens_.show(ScreenId::Help); }

void TitleScreen::quit() { screens_.end(); }

} // namespace zol
