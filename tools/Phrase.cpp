#include "tools/Phrase.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <system_error>

namespace zol {

namespace {

int pitchClass(char letter) {
    switch (letter) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    default: throw std::invalid_argument(std::string("no note letter: ") + letter);
    }
}

int number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw std::invalid_argument("no number: " + std::string(text));
    }
    return value;
}

template <typename Each>
void forEachWord(std::string_view text, Each each) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = std::min(text.find(' ', at), text.size());
        if (end > at) each(text.substr(at, end - at));
        at = end + 1;
    }
}

} // namespace

int Phrase::key(std::string_view name) {
    if (name.size() < 2) throw std::invalid_argument("no note: " + std::string(name));
    int pitch = pitchClass(name[0]);
    std::size_t at = 1;
    if (name[at] == '#' || name[at] == 'b') {
        pitch += name[at] == '#' ? 1 : -1;
        ++at;
    }
    // MIDI numbers C4 (middle C) as 60.
    return 12 * (number(name.substr(at)) + 1) + pitch;
}

std::vector<PhraseNote> Phrase::parse(std::string_view text) {
    std::vector<PhraseNote> notes;
    int at = 0;
    forEachWord(text, [&](std::string_view word) {
        const auto colon = word.find(':');
        const int length = colon == std::string_view::npos ? 1 : number(word.substr(colon + 1));
        const auto name = word.substr(0, colon);
        if (length <= 0) throw std::invalid_argument("no length: " + std::string(word));
        if (name != "-") notes.push_back({key(name), at, length});
        at += length;
    });
    return notes;
}

int Phrase::lengthInEighths(std::string_view text) {
    int total = 0;
    forEachWord(text, [&](std::string_view word) {
        const auto colon = word.find(':');
        total += colon == std::string_view::npos ? 1 : number(word.substr(colon + 1));
    });
    return total;
}

ChordShape Phrase::chord(std::string_view name) {
    if (name.empty()) throw std::invalid_argument("no chord");
    ChordShape shape{pitchClass(name[0]), {}};
    const auto kind = name.substr(1);
    if (kind == "") shape.intervals = {0, 4, 7};
    else if (kind == "m") shape.intervals = {0, 3, 7};
    else if (kind == "7") shape.intervals = {0, 4, 7, 10};
    else if (kind == "m7") shape.intervals = {0, 3, 7, 10};
    else throw std::invalid_argument("no chord: " + std::string(name));
    return shape;
}

} // namespace zol
