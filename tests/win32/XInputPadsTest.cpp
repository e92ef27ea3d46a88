// XInput as the system has it, through Wine: the library loads and a
// system without pads reports every slot empty, which is no error.
#include "platform/win32/XInputPads.h"

#include <gtest/gtest.h>

namespace zol::win32 {
namespace {

TEST(XInputPads, LoadsTheSystemsXInputAndFindsNoPadWhereNoneIsConnected) {
    XInputPads pads;
    ASSERT_TRUE(pads.loaded());
    for (int slot = 0; slot < PadSource::kSlots; ++slot) EXPECT_FALSE(pads.state(slot).has_value()) << "slot " << slot;
}

} // namespace
} // namespace zol::win32
