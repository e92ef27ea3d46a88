#pragma once

#include "platform/win32/SystemHeaders.h"

#include <xinput.h>

#include <optional>

namespace zol::win32 {

// Where the pads' states come from, slot by slot, as XInput reports them:
// XInput itself, or a test's script.
class PadSource {
public:
    static constexpr int kSlots = XUSER_MAX_COUNT;

    virtual ~PadSource() = default;
    // The pad in `slot` as it is now, or nothing when none is connected there.
    virtual std::optional<XINPUT_GAMEPAD> state(int slot) = 0;
};

} // namespace zol::win32
