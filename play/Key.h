#pragma once

#include <optional>
#include <string_view>

namespace zol::play {

// The keys the play screen answers to; every other key is `Other` and does
// nothing.
enum class Key { Other, Enter, Left, Right, Down, GiveUp };

// The classic virtual-key codes of the game's keys (Enter 13, Left 37,
// Right 39, Down 40, E 69): the script takes them as well as names.
Key keyFromVirtualCode(int code);

// A key as the script names it: "Left", "Right", "Down", "Enter", "E", or a
// decimal virtual-key code from 0 to 255. Nothing for any other word.
std::optional<Key> keyFromScriptName(std::string_view name);

} // namespace zol::play
