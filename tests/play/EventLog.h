#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zol::test {

// One event of the simulation as it was written: a flat JSON object whose
// fields are numbers, texts, booleans or arrays of those.
class Event {
public:
    explicit Event(std::string line) : line_(std::move(line)) {}

    const std::string& line() const { return line_; }
    std::string ev() const { return text("ev"); }
    std::int64_t t() const { return integer("t"); }
    bool has(std::string_view name) const;

    double number(std::string_view name) const;
    std::int64_t integer(std::string_view name) const;
    std::string text(std::string_view name) const;
    bool flag(std::string_view name) const;
    std::vector<double> numbers(std::string_view name) const;
    std::vector<bool> flags(std::string_view name) const;

private:
    // Where the value of `name` starts; throws when the field is missing.
    std::size_t valueAt(std::string_view name) const;
    std::string line_;
};

// Collects what a Simulation writes, in memory, for the test to read back.
class EventLog {
public:
    EventLog();
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    std::FILE* file() const { return file_; }

    // Every event written so far, in order.
    std::vector<Event> all();
    // Only the events of one kind.
    std::vector<Event> only(std::string_view ev);
    // The events written after the first `from` ones.
    std::vector<Event> since(std::size_t from);
    std::size_t count() { return all().size(); }
    // The events written since the last call, without reading older ones.
    std::vector<Event> fresh();

private:
    // Everything written so far; the file stays open for more.
    std::string text();

    std::FILE* file_ = nullptr;
    std::size_t read_ = 0;
};

} // namespace zol::test
