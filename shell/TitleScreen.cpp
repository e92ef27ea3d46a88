#include "shell/TitleScreen.h"

#include "platform/Forms.h"
#include "store/ScoreStore.h"

namespace zol {

void TitleScreen::Form_Load() { store_.LoadScores(); }

void TitleScreen::Command1_Click() {
    forms_.show(FormId::Play);
    forms_.unload(FormId::Title);
}

void TitleScreen::Command2_Click() { forms_.show(FormId::Help); }

void TitleScreen::Command3_Click() { forms_.end(); }

} // namespace zol
