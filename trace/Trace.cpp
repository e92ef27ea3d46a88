#include "trace/Trace.h"

namespace zol {

void Trace::write(const std::string& line) {
    if (!out_) return;
    std::fwrite(line.data(), 1, line.size(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
}

} // namespace zol
