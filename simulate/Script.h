#pragma once

#include "play/Key.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zol::simulate {

// One line of a simulation script, parsed.
struct Command {
    enum class Kind { None, Wait, Ticks, Down, Up, Click, Close, Answer, Set, Unset, MusicEnd };
    Kind kind = Kind::None;
    std::int64_t number = 0;  // wait and ticks: the count
    std::string word;         // click, close, answer: the target; set and unset: the key
    std::string text;         // set: the value, as it stands
    play::Key key = play::Key::Other;  // down and up
};

// Parses one line; gives the command, or what is wrong with the line.
std::variant<Command, std::string> parseLine(std::string_view line);

} // namespace zol::simulate
