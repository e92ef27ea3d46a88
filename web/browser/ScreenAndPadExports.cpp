// What the page calls in the module for any screen and any controller: the
// display mode (F11, the full-screen button) with the core's one scaling
// rule, the pads the Gamepad API reads and the page's touch controls.
#include "platform/PadReading.h"
#include "play/Key.h"
#include "shell/DisplayMode.h"
#include "web/browser/Exported.h"

#include <emscripten.h>

#include <cstdio>
#include <string>

using zol::web::exported::program;
using zol::web::exported::give;
using zol::web::exported::ms;

extern "C" {

// F11, Alt+Enter or the full-screen button; also the browser leaving full
// screen by itself, so that the mode stays what the player sees. `width`
// and `height` are the browser's room for the page, in CSS pixels.
EMSCRIPTEN_KEEPALIVE void zolbas_toggle_full_screen(int width, int height) {
    program().game().changeDisplay(zol::DisplayCommand::ToggleFullScreen, {width, height});
}

// The game's display mode: 1 in full screen.
EMSCRIPTEN_KEEPALIVE int zolbas_full_screen() { return program().game().display().fullScreen ? 1 : 0; }

// How a screen is drawn in that mode on a surface of `width` x `height` CSS
// pixels: {"factor", "left", "top"}, the factor whole and the place that of
// the screen's top left corner on the surface.
EMSCRIPTEN_KEEPALIVE const char* zolbas_screen_scale(int screen, int width, int height) {
    const zol::ScreenScale scale =
        zol::screenScale(program().game().display(), static_cast<zol::ScreenId>(screen), {width, height});
    return give("{\"factor\":" + std::to_string(scale.factor) + ",\"left\":" + std::to_string(scale.left) +
                ",\"top\":" + std::to_string(scale.top) + "}");
}

// A screen on a page used by touch or too small for the desktop's windows:
// {"factor", "left", "top"} in CSS pixels, the factor any number, for a room
// of `width` x `height` device pixels, `devicePixelRatio` of them to a CSS pixel.
EMSCRIPTEN_KEEPALIVE const char* zolbas_screen_fit(int screen, int width, int height, double devicePixelRatio) {
    const zol::RoomFit fit =
        zol::fitToRoom(zol::designedSize(static_cast<zol::ScreenId>(screen)), {width, height}, devicePixelRatio);
    char json[96];
    std::snprintf(json, sizeof json, "{\"factor\":%.9g,\"left\":%.9g,\"top\":%.9g}", fit.factor, fit.left, fit.top);
    return give(json);
}

// A touch control pressed (`down` 1) or let go, by the classic virtual-key
// code of the key it stands for (13, 37, 39, 40, 69): a key of its own source.
EMSCRIPTEN_KEEPALIVE void zolbas_touch_key(double elapsedMs, int down, int virtualCode) {
    program().key(ms(elapsedMs), zol::InputSource::touch(), down != 0, zol::play::keyFromVirtualCode(virtualCode),
                  false);
}

// A pad as read now: `pressed` has a bit for each control, 1 << PadControl
// (Up, Down, Left, Right, South, East, Start, Back); the left stick from -1
// to 1 on each axis, right and down positive.
EMSCRIPTEN_KEEPALIVE void zolbas_pad_read(double elapsedMs, int pad, int pressed, double stickX, double stickY) {
    zol::PadReading reading;
    for (int control = 0; control < zol::kPadControls; ++control) reading.pressed[control] = (pressed >> control) & 1;
    reading.stickX = static_cast<float>(stickX);
    reading.stickY = static_cast<float>(stickY);
    program().padRead(ms(elapsedMs), pad, reading);
}

// The pad went, or stopped counting as the page lost the focus.
EMSCRIPTEN_KEEPALIVE void zolbas_pad_gone(double elapsedMs, int pad) { program().padGone(ms(elapsedMs), pad); }

} // extern "C"
