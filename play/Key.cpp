#include "play/Key.h"

#include <array>
#include <charconv>
#include <string>
#include <system_error>
#include <utility>

namespace zol::play {

namespace {

constexpr int kHighestVirtualCode = 255;

constexpr std::array<std::pair<int, Key>, 5> kVirtualCodes{
    {{13, Key::Enter}, {37, Key::Left}, {39, Key::Right}, {40, Key::Down}, {69, Key::GiveUp}}};

constexpr std::array<std::pair<std::string_view, Key>, 5> kScriptNames{
    {{"Enter", Key::Enter}, {"Left", Key::Left}, {"Right", Key::Right}, {"Down", Key::Down}, {"E", Key::GiveUp}}};

} // namespace

Key keyFromVirtualCode(int code) {
    for (const auto& [c, key] : kVirtualCodes)
        if (c == code) return key;
    return Key::Other;
}

std::optional<Key> keyFromScriptName(std::string_view name) {
    for (const auto& [n, key] : kScriptNames)
        if (n == name) return key;
    int code = -1;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), code);
    if (name.empty() || error != std::errc{} || end != name.data() + name.size() || code < 0 ||
        code > kHighestVirtualCode)
        return std::nullopt;
    return keyFromVirtualCode(code);
}

} // namespace zol::play
