#include "trace/BoxEvents.h"

#include "trace/JsonLine.h"

namespace zol {

std::string msgboxEvent(std::int64_t t, const BoxRequest& box) {
    return JsonLine("msgbox", t)
        .field("text", box.text)
        .field("caption", box.caption)
        .field("buttons", box.buttons == BoxButtons::OkCancel ? "okcancel" : "ok")
        .str();
}

std::string answerEvent(std::int64_t t, int answer) { return JsonLine("answer", t).field("value", answer).str(); }

} // namespace zol
