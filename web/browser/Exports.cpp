// What the page calls in the module: one game, driven by the page's frames
// and the player's inputs. Times are the page's real milliseconds since the
// game started; texts come back as UTF-8 (JSON where it says so), valid
// until the next call.
#include "assets/HelpDocument.h"
#include "assets/Pictures.h"
#include "assets/XpmImage.h"
#include "play/Key.h"
#include "shell/RtfReader.h"
#include "web/browser/Exported.h"
#include "web/browser/PageJson.h"

#include <emscripten.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<zol::web::PageProgram> page;
std::string text;

using zol::web::exported::give;
using zol::web::exported::ms;

} // namespace

namespace zol::web::exported {

PageProgram& program() { return *page; }

const char* give(std::string value) {
    text = std::move(value);
    return text.c_str();
}

} // namespace zol::web::exported

extern "C" {

EMSCRIPTEN_KEEPALIVE void zolbas_start() {
    page = std::make_unique<zol::web::PageProgram>();
    page->start();
}

EMSCRIPTEN_KEEPALIVE void zolbas_frame(double elapsedMs) { page->frame(ms(elapsedMs)); }

// A button by the script's word for it: play, help, end, back.
EMSCRIPTEN_KEEPALIVE void zolbas_button(double elapsedMs, const char* word) {
    const std::string w(word);
    const zol::Button button = w == "play"   ? zol::Button::Play
                               : w == "help" ? zol::Button::Help
                               : w == "end"  ? zol::Button::End
                                             : zol::Button::Back;
    page->buttonChosen(ms(elapsedMs), button);
}

// A screen's close box, by the number the page was given when it opened.
EMSCRIPTEN_KEEPALIVE void zolbas_close(double elapsedMs, int screen) {
    page->closePressed(ms(elapsedMs), static_cast<zol::ScreenId>(screen));
}

// A key by its classic virtual-key code (13, 37, 39, 40, 69; others do nothing).
EMSCRIPTEN_KEEPALIVE void zolbas_key(double elapsedMs, int down, int virtualCode, int autoRepeat) {
    page->key(ms(elapsedMs), zol::InputSource::keyboard(), down != 0, zol::play::keyFromVirtualCode(virtualCode),
              autoRepeat != 0);
}

EMSCRIPTEN_KEEPALIVE void zolbas_keyboard_lost(double elapsedMs) { page->keyboardLost(ms(elapsedMs)); }

EMSCRIPTEN_KEEPALIVE void zolbas_box_answered(double elapsedMs, int okChosen) {
    page->boxAnswered(ms(elapsedMs), okChosen != 0);
}

EMSCRIPTEN_KEEPALIVE void zolbas_tune_ended(double elapsedMs) { page->tuneEnded(ms(elapsedMs)); }

// The explosion's strokes due by now and not yet shown, as JSON.
EMSCRIPTEN_KEEPALIVE const char* zolbas_explosion_frame(double elapsedMs) {
    std::vector<zol::play::Stroke> strokes;
    page->explosionFrame(ms(elapsedMs), [&](const zol::play::Stroke& s) { strokes.push_back(s); });
    return give(zol::web::strokesJson(strokes));
}

EMSCRIPTEN_KEEPALIVE const char* zolbas_play_scene() { return give(zol::web::sceneJson(page->game().playScene())); }

EMSCRIPTEN_KEEPALIVE const char* zolbas_layout() { return give(zol::web::layoutJson()); }

EMSCRIPTEN_KEEPALIVE const char* zolbas_help_text() { return give(zol::readRtf(zol::helpDocumentRtf()).text); }

// The pictures as the core decodes them: {"meteorite", "icon", "walkers"},
// each {"width", "height", "argb"} with one 0xAARRGGBB number per pixel.
EMSCRIPTEN_KEEPALIVE const char* zolbas_pictures() {
    const auto picture = [](const char* const* xpm) {
        const zol::XpmImage image = zol::readXpm(xpm);
        std::string json = "{\"width\":" + std::to_string(image.widthPx) +
                           ",\"height\":" + std::to_string(image.heightPx) + ",\"argb\":[";
        for (std::size_t i = 0; i < image.argb.size(); ++i) json += (i ? "," : "") + std::to_string(image.argb[i]);
        return json + "]}";
    };
    std::string walkers;
    for (int frame = 0; frame < zol::kWalkerFrameCount; ++frame)
        walkers += (frame ? "," : "") + picture(zol::walkerXpm(frame));
    return give("{\"meteorite\":" + picture(zol::meteoriteXpm()) + ",\"icon\":" + picture(zol::titleIconXpm()) +
                ",\"walkers\":[" + walkers + "]}");
}

EMSCRIPTEN_KEEPALIVE const char* zolbas_trace() { return give(page->takeTrace()); }

// What the player did, as a script of `zolbas --simulate`.
EMSCRIPTEN_KEEPALIVE const char* zolbas_script() { return give(page->script()); }

EMSCRIPTEN_KEEPALIVE const char* zolbas_state() {
    const bool explosion = page->game().explosion().showing();
    return give(std::string("{\"ended\":") + (page->game().ended() || page->failed() ? "true" : "false") +
                ",\"idle\":" + (page->idle() ? "true" : "false") + ",\"explosion\":" + (explosion ? "true" : "false") +
                ",\"skippedMs\":" + std::to_string(page->skippedMs()) + "}");
}

} // extern "C"
