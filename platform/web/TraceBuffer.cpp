#include "platform/web/TraceBuffer.h"

#include <cstdlib>

namespace zol::web {

TraceBuffer::TraceBuffer() : file_(open_memstream(&text_, &size_)) {}

TraceBuffer::~TraceBuffer() {
    std::fclose(file_);
    std::free(text_);
}

std::string TraceBuffer::take() {
    std::fflush(file_);
    std::string fresh(text_, size_);
    // Writing on from the start: a memory stream's size is where it stands
    // once it is written to again, and nothing is held until then.
    std::rewind(file_);
    size_ = 0;
    return fresh;
}

std::size_t TraceBuffer::held() {
    std::fflush(file_);
    return size_;
}

} // namespace zol::web
