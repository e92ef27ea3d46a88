#include "runtime/Rounding.h"

#include "runtime/Int32.h"

#include <cmath>

namespace zol {

std::int32_t roundToInt32(double value) {
    // nearbyint follows the default rounding mode, which is to nearest with
    // ties to even; the range test comes after rounding, so 2147483647.4 fits.
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) raiseOverflow();
    return static_cast<std::int32_t>(r);
}

std::int32_t floorDiv(std::int32_t a, std::int32_t b) {
    const std::int64_t q = std::int64_t{a} / b;
    const std::int64_t r = std::int64_t{a} % b;
    const std::int64_t f = (r != 0 && ((r < 0) != (b < 0))) ? q - 1 : q;
    return static_cast<std::int32_t>(f);
}

void raiseOverflow() { throw RuntimeError("Run-time error '6': Overflow"); }

} // namespace zol
