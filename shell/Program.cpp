#include "shell/Program.h"

#include "platform/Clock.h"
#include "platform/JsonLine.h"
#include "platform/Platform.h"
#include "platform/Trace.h"
#include "platform/Windows.h"

#include <algorithm>

namespace zol {

namespace {

const char* formName(FormId form) {
    switch (form) {
    case FormId::Title: return "title";
    case FormId::Play: return "play";
    case FormId::Help: return "help";
    }
    return "";
}

} // namespace

Program::Program(Platform& platform)
    : platform_(platform),
      store_(module1_, platform.settings, platform.trace, platform.clock),
      title_(store_, *this),
      play_(platform, module1_, store_, *this),
      help_(*this) {}

void Program::start() { show(FormId::Title); }

void Program::traceForm(const char* ev, FormId form) {
    if (platform_.trace.enabled()) platform_.trace.write(JsonLine(ev, platform_.clock.nowMs()).field("form", formName(form)).str());
}

void Program::show(FormId form) {
    if (ended_) return;
    if (isLoaded(form)) {
        platform_.windows.bringToFront(form);
        return;
    }
    loaded_[index(form)] = true;
    if (form == FormId::Title) title_.Form_Load();
    if (form == FormId::Play) play_.load();
    traceForm("load", form);
    platform_.windows.loaded(form);
}

void Program::unload(FormId form) {
    if (ended_ || !isLoaded(form)) return;
    if (form == FormId::Play) play_.unload();
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
