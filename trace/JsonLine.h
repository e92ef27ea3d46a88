#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace zol {

// Builds one event of the trace: a JSON object that starts with "ev" and "t".
class JsonLine {
public:
    JsonLine(std::string_view ev, std::int64_t t);

    JsonLine& field(std::string_view name, std::int64_t value);
    JsonLine& field(std::string_view name, int value) { return field(name, std::int64_t{value}); }
    // A control position: whole numbers are written without a fraction.
    JsonLine& field(std::string_view name, float value);
    JsonLine& field(std::string_view name, bool value);
    JsonLine& field(std::string_view name, std::string_view text);
    JsonLine& field(std::string_view name, const char* text) { return field(name, std::string_view(text)); }
    JsonLine& field(std::string_view name, const std::string& text) { return field(name, std::string_view(text)); }
    JsonLine& field(std::string_view name, std::span<const std::int32_t> values);
    JsonLine& field(std::string_view name, std::span<const std::int16_t> values);
    JsonLine& field(std::string_view name, std::span<const float> values);
    JsonLine& field(std::string_view name, std::initializer_list<bool> values);

    std::string str() const { return text_ + "}"; }

private:
    void key(std::string_view name);
    std::string text_;
};

} // namespace zol
