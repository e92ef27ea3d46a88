// The store's number conversion takes any text: it gives a number in range
// or none, and a number it gives reads back the same when written.
#include "runtime/NumberText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = zol::parseStoredInteger(text)) {
        const auto again = zol::parseStoredInteger(zol::numberText(*value));
        if (!again || *again != *value) std::abort();
    }
    return 0;
}
