#include "platform/sdl/AlsaErrorSilencer.h"

#include <dlfcn.h>

namespace zol {

namespace {

// The handler type of snd_lib_error_set_handler, declared here so that the
// game needs no ALSA headers: SDL brings the library in, or it is absent.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int err, const char* fmt, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

SetAlsaErrorHandler setterIn(void* library) {
    return library ? reinterpret_cast<SetAlsaErrorHandler>(dlsym(library, "snd_lib_error_set_handler")) : nullptr;
}

} // namespace

AlsaErrorSilencer::AlsaErrorSilencer() : library_(dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL)) {
    if (const auto set = setterIn(library_)) set(&ignoreAlsaError);
}

AlsaErrorSilencer::~AlsaErrorSilencer() {
    if (const auto set = setterIn(library_)) set(nullptr);
    if (library_) dlclose(library_);
}

} // namespace zol
