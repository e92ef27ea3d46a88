#include "simulate/Script.h"

#include "platform/PrintableText.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace zol::simulate {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

std::optional<std::int64_t> count(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// A piece of the script as an error message may show it.
std::string quoted(std::string_view text) { return '"' + printable(text) + '"'; }

bool oneOf(std::string_view word, std::initializer_list<std::string_view> choices) {
    for (const auto c : choices)
        if (word == c) return true;
    return false;
}

} // namespace

std::variant<Command, std::string> parseLine(std::string_view line) {
    // `set` keeps the rest of its line as it stands, a '#' included.
    const auto all = words(line);
    if (!all.empty() && all[0] == "set") {
        if (all.size() < 2) return std::string("set needs a key and a text");
        const std::size_t keyEnd = all[1].data() + all[1].size() - line.data();
        std::string_view text = line.substr(keyEnd);
        if (!text.empty()) text.remove_prefix(1);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        return Command{Command::Kind::Set, 0, std::string(all[1]), std::string(text)};
    }

    const auto hash = line.find('#');
    const auto w = words(hash == std::string_view::npos ? line : line.substr(0, hash));
    if (w.empty()) return Command{};
    const std::string_view verb = w[0];
    const auto arity = [&](std::size_t n) { return w.size() == n + 1; };

    if ((verb == "wait" || verb == "ticks") && arity(1)) {
        const auto n = count(w[1]);
        if (!n) return "not a count: " + quoted(w[1]);
        if (verb == "ticks" && *n < 1) return std::string("ticks needs a count of at least 1");
        return Command{verb == "wait" ? Command::Kind::Wait : Command::Kind::Ticks, *n, {}, {}};
    }
    if ((verb == "down" || verb == "up") && arity(1)) {
        const auto key = play::keyFromScriptName(w[1]);
        if (!key) return "unknown key: " + quoted(w[1]);
        return Command{verb == "down" ? Command::Kind::Down : Command::Kind::Up, 0, {}, {}, *key};
    }
    if (verb == "click" && arity(1) && oneOf(w[1], {"play", "help", "end", "back"}))
        return Command{Command::Kind::Click, 0, std::string(w[1]), {}};
    if (verb == "close" && arity(1) && oneOf(w[1], {"title", "play", "help"}))
        return Command{Command::Kind::Close, 0, std::string(w[1]), {}};
    if (verb == "answer" && arity(1) && oneOf(w[1], {"ok", "cancel"}))
        return Command{Command::Kind::Answer, 0, std::string(w[1]), {}};
    if (verb == "unset" && arity(1)) return Command{Command::Kind::Unset, 0, std::string(w[1]), {}};
    if (verb == "musicend" && arity(0)) return Command{Command::Kind::MusicEnd, 0, {}, {}};
    return "cannot parse: " + quoted(line);
}

} // namespace zol::simulate
