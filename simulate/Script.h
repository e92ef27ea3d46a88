#pragma once

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
    std::int64_t number = 0;  // wait and ticks: the count; down and up: the key code
    std::string word;         // click, close, answer: the target; set and unset: the key
    std::string text;         // set: the value, as it stands
};

// Parses one line; gives the command, or what is wrong with the line.
std::variant<Command, std::string> parseLine(std::string_view line);

// A key name of the script as its virtual-key code.
std::optional<int> keyCode(std::string_view name);

} // namespace zol::simulate
