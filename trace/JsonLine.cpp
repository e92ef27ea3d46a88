#include "trace/JsonLine.h"

#include "trace/FloatText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zol {

namespace {

void appendNumber(std::string& out, std::int64_t value) {
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    out.append(buf, end);
}

void appendFloat(std::string& out, float value) {
    if (value == std::trunc(value) && std::fabs(value) < 9.0e15f) {
        appendNumber(out, static_cast<std::int64_t>(value));
        return;
    }
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    out.append(buf, end);
#else
    out += shortestFloatText(value);
#endif
}

void appendString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", c);
                out += esc;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

template <typename T, typename Append>
void appendArray(std::string& out, std::span<const T> values, Append append) {
    out += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) out += ',';
        append(out, values[i]);
    }
    out += ']';
}

} // namespace

JsonLine::JsonLine(std::string_view ev, std::int64_t t) {
    text_.reserve(256);
    text_ = "{\"ev\":";
    appendString(text_, ev);
    text_ += ",\"t\":";
    appendNumber(text_, t);
}

void JsonLine::key(std::string_view name) {
    text_ += ',';
    appendString(text_, name);
    text_ += ':';
}

JsonLine& JsonLine::field(std::string_view name, std::int64_t value) {
    key(name);
    appendNumber(text_, value);
    return *this;
}

JsonLine& JsonLine::field(std::string_view name, float value) {
    key(name);
    appendFloat(text_, value);
    return *this;
}

JsonLine& JsonLine::field(std::string_view name, bool value) {
    key(name);
    text_ += value ? "true" : "false";
    return *this;
}

JsonLine& JsonLine::field(std::string_view name, std::string_view text) {
    key(name);
    appendString(text_, text);
    return *this;
}

JsonLine& JsonLine::field(std::string_view name, std::span<const std::int32_t> values) {
    key(name);
    appendArray(text_, values, [](std::string& o, std::int32_t v) { appendNumber(o, v); });
    return *this;
}

JsonLine& JsonLine::field(std::string_view name, std::span<const std::int16_t> values) {
    key(name);
    appendArray(text_, values, [](std::string& o, std::int16_t v) { appendNumber(o, v); });
    return *this;
}

JsonLine& JsonLine::field(std::string_view name, std::span<const float> values) {
    key(name);
    appendArray(text_, values, appendFloat);
    return *this;
}

JsonLine& JsonLine::field(std::string_view name, std::initializer_list<bool> values) {
    key(name);
    text_ += '[';
    bool first = true;
    for (const bool v : values) {
        if (!first) text_ += ',';
        first = false;
        text_ += v ? "true" : "false";
    }
    text_ += ']';
    return *this;
}

} // namespace zol
