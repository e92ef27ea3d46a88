#include "simulate/ScriptRecorder.h"

namespace zol::simulate {

void ScriptRecorder::record(std::int64_t nowMs, const std::string& command) {
    if (nowMs > lastMs_) text_ += waitLine(nowMs - lastMs_);
    lastMs_ = nowMs;
    text_ += command + "\n";
}

std::string ScriptRecorder::script(std::int64_t nowMs) const {
    return nowMs > lastMs_ ? text_ + waitLine(nowMs - lastMs_) : text_;
}

} // namespace zol::simulate
