#include "trace/Trace.h"

#include "trace/BoxEvents.h"

#include <cerrno>
#include <cstring>

namespace zol {

void Trace::write(const std::string& line) {
    if (!out_) return;
    const bool written = std::fwrite(line.data(), 1, line.size(), out_) == line.size() &&
                         std::fputc('\n', out_) != EOF && std::fflush(out_) == 0;
    if (written) return;
    const std::string reason = std::strerror(errno);
    out_ = nullptr;
    if (stopped_) stopped_(reason);
}

// Formatting an event costs nothing when no trace is written.
void Trace::boxOpened(std::int64_t ms, const BoxRequest& box) {
    if (enabled()) write(msgboxEvent(ms, box));
}

void Trace::boxAnswered(std::int64_t ms, int answer) {
    if (enabled()) write(answerEvent(ms, answer));
}

} // namespace zol
