#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace zol::web {

// The page's trace, written through a stream into memory and handed to the
// page a piece at a time. What has been taken is let go: a game left running
// for hours writes about 50 MB of trace an hour, which the page's memory
// could not hold.
class TraceBuffer {
public:
    TraceBuffer();
    ~TraceBuffer();
    TraceBuffer(const TraceBuffer&) = delete;
    TraceBuffer& operator=(const TraceBuffer&) = delete;

    std::FILE* file() const { return file_; }
    // What was written since the last take.
    std::string take();
    // The bytes written and not yet taken.
    std::size_t held();

private:
    char* text_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* file_;
};

} // namespace zol::web
