#include "shell/Program.h"

#include "platform/Clock.h"
#include "trace/JsonLine.h"
#include "platform/Platform.h"
#include "trace/Trace.h"
#include "platform/Windows.h"

#include <algorithm>

namespace zol {

namespace {

const char* formName(ScreenId form) {
    switch (form) {
    case ScreenId::Title: return "title";
    case ScreenId::Play: return "play";
    case ScreenId::Help: return "help";
    }
    return "";
}

} // namespace

Program::Program(Platform& platform)
    : platform_(platform),
      store_(best_, platform.settings, platform.trace, platform.clock),
      title_(store_, *this),
      play_(platform, best_, store_, *this),
      help_(*this) {}

void Program::start() { show(ScreenId::Title); }

void Program::traceForm(const char* ev, ScreenId form) {
    if (platform_.trace.enabled()) platform_.trace.write(JsonLine(ev, platform_.clock.nowMs()).field("form", formName(form)).str());
}

void Program::show(ScreenId form) {
    if (ended_) return;
    if (isLoaded(form)) {
        platform_.windows.bringToFront(form);
        return;
    }
    loaded_[index(form)] = true;
    if (form == ScreenId::Title) title_.load();
    if (form == ScreenId::Play) play_.load();
    traceForm("load", form);
    platform_.windows.loaded(form);
}

void Program::unload(ScreenId form) {
    if (ended_ || !isLoaded(form)) return;
    if (form == ScreenId::Play) play_.unload();
    loaded_[index(form)] = false;
    platform_.windows.unloaded(form);
    traceForm("unload", form);
    if (std::none_of(loaded_.begin(), loaded_.end(), [](bool l) { return l; })) end();
}

void Program::end() {
    if (ended_) return;
    ended_ = true;
    if (platform_.trace.enabled()) platform_.trace.write(JsonLine("end", platform_.clock.nowMs()).str());
    platform_.windows.end();
}

} // namespace zol
