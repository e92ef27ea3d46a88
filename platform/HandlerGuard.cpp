#include "platform/HandlerGuard.h"

#include "platform/RuntimeError.h"

#include <cstdio>
#include <exception>

namespace zol {

void HandlerGuard::run(const std::function<void()>& handler) {
    if (failed_) return;
    try {
        handler();
    } catch (const RuntimeError& error) {
        fail(error.what());
    } catch (const std::exception& error) {
        fail(std::string("internal error: ") + error.what());
    } catch (...) {
        fail("internal error");
    }
}

void HandlerGuard::fail(const std::string& message) {
    failed_ = true;
    std::fprintf(stderr, "zolbas: %s\n", message.c_str());
    fatal_(message);
}

} // namespace zol
