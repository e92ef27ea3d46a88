#include "tests/play/EventLog.h"

#include <cstdlib>
#include <stdexcept>

namespace zol::test {

namespace {

// "name": as the line spells a key. Built by appending: GCC 12 warns
// wrongly about a literal + std::string when inlining it.
std::string quotedKey(std::string_view name) {
    std::string key = "\"";
    key.append(name).append("\":");
    return key;
}

} // namespace

bool Event::has(std::string_view name) const { return line_.find(quotedKey(name)) != std::string::npos; }

std::size_t Event::valueAt(std::string_view name) const {
    const std::string key = quotedKey(name);
    const auto at = line_.find(key);
    if (at == std::string::npos) throw std::runtime_error("no field " + std::string(name) + " in " + line_);
    return at + key.size();
}

double Event::number(std::string_view name) const { return std::strtod(line_.c_str() + valueAt(name), nullptr); }

std::int64_t Event::integer(std::string_view name) const {
    return std::strtoll(line_.c_str() + valueAt(name), nullptr, 10);
}

std::string Event::text(std::string_view name) const {
    std::size_t i = valueAt(name);
    if (line_[i] != '"') throw std::runtime_error("field " + std::string(name) + " is not a text");
    std::string out;
    for (++i; i < line_.size() && line_[i] != '"'; ++i) {
        if (line_[i] == '\\' && i + 1 < line_.size()) {
            ++i;
            out += line_[i] == 'n' ? '\n' : line_[i];
        } else {
            out += line_[i];
        }
    }
    return out;
}

bool Event::flag(std::string_view name) const { return line_.compare(valueAt(name), 4, "true") == 0; }

std::vector<double> Event::numbers(std::string_view name) const {
    std::vector<double> out;
    const char* p = line_.c_str() + valueAt(name);
    if (*p != '[') throw std::runtime_error("field " + std::string(name) + " is not an array");
    ++p;
    while (*p != ']') {
        char* end = nullptr;
        out.push_back(std::strtod(p, &end));
        p = *end == ',' ? end + 1 : end;
    }
    return out;
}

std::vector<bool> Event::flags(std::string_view name) const {
    std::vector<bool> out;
    std::size_t i = valueAt(name) + 1;
    while (line_[i] != ']') {
        out.push_back(line_.compare(i, 4, "true") == 0);
        i = line_.find_first_of(",]", i);
        if (line_[i] == ',') ++i;
    }
    return out;
}

// A temporary file rather than a memory stream, which not every C library has.
EventLog::EventLog() : file_(std::tmpfile()) {
    if (!file_) throw std::runtime_error("no temporary file for the event log");
}

EventLog::~EventLog() { std::fclose(file_); }

std::string EventLog::text() {
    std::fflush(file_);
    std::string out;
    std::rewind(file_);
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file_)) > 0;) out.append(chunk, n);
    std::fseek(file_, 0, SEEK_END);
    return out;
}

namespace {

std::vector<Event> lines(std::string_view text) {
    std::vector<Event> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        const auto stop = end == std::string_view::npos ? text.size() : end;
        if (stop > start) out.emplace_back(std::string(text.substr(start, stop - start)));
        start = stop + 1;
    }
    return out;
}

} // namespace

std::vector<Event> EventLog::all() { return lines(text()); }

std::vector<Event> EventLog::fresh() {
    const std::string written = text();
    const std::size_t from = read_;
    read_ = written.size();
    return lines(std::string_view(written).substr(from));
}

std::vector<Event> EventLog::only(std::string_view ev) {
    std::vector<Event> out;
    for (auto& e : all())
        if (e.ev() == ev) out.push_back(std::move(e));
    return out;
}

std::vector<Event> EventLog::since(std::size_t from) {
    auto events = all();
    if (from >= events.size()) return {};
    return {events.begin() + static_cast<std::ptrdiff_t>(from), events.end()};
}

} // namespace zol::test
