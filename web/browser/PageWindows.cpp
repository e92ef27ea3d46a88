#include "web/browser/PageWindows.h"

extern "C" {
void zolbas_page_open(int screen);
void zolbas_page_close(int screen);
void zolbas_page_raise(int screen);
void zolbas_page_repaint_play();
void zolbas_page_start_explosion();
void zolbas_page_quit();
void zolbas_page_display_changed();
void zolbas_page_move_focus(int step);
void zolbas_page_press_focused();
}

namespace zol::web {

namespace {

int number(ScreenId screen) { return static_cast<int>(screen); }

} // namespace

void PageWindows::open(ScreenId screen) { zolbas_page_open(number(screen)); }

void PageWindows::close(ScreenId screen) { zolbas_page_close(number(screen)); }

void PageWindows::raise(ScreenId screen) { zolbas_page_raise(number(screen)); }

// The page paints the whole scene again at its next frame: a canvas of this
// size costs less to repaint whole than to clip.
void PageWindows::repaintPlay(const std::vector<play::PixelRect>&) { zolbas_page_repaint_play(); }

void PageWindows::startExplosion() { zolbas_page_start_explosion(); }

void PageWindows::quit() { zolbas_page_quit(); }

void PageWindows::displayChanged() { zolbas_page_display_changed(); }

void PageWindows::moveFocus(int step) { zolbas_page_move_focus(step); }

void PageWindows::pressFocused() { zolbas_page_press_focused(); }

} // namespace zol::web
