#include "assets/XpmWords.h"

#include <charconv>
#include <cstddef>
#include <system_error>

namespace zol {

namespace {

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void skipSpace(std::string_view& text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
}

}  // namespace

bool readXpmNumber(std::string_view& text, int& number) {
  skipSpace(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc{}) return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return true;
}

std::string_view readXpmWord(std::string_view& text) {
  skipSpace(text);
  std::size_t length = 0;
  while (length < text.size() && !isSpace(text[length])) ++length;
  const std::string_view word = text.substr(0, length);
  text.remove_prefix(length);
  return word;
}

}  // namespace zol
