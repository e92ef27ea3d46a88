#include "assets/XpmImage.h"

#include "assets/XpmWords.h"

#include <cctype>
#include <charconv>
#include <cstddef>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace zol {

namespace {

constexpr std::uint32_t kOpaqueAlpha = 0xFF000000u;

std::runtime_error malformed(const std::string& what) {
  return std::runtime_error("malformed XPM: " + what);
}

std::string lowered(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

// Turns the text after the "c" key into a colour; only the forms our pictures use.
std::uint32_t parseColour(const std::string& value) {
  if (lowered(value) == "none") {
    return 0;
  }
  if (value.size() != 7 || value[0] != '#') {
    throw malformed("colour '" + value + "' is not #RRGGBB or None");
  }
  for (std::size_t i = 1; i < value.size(); ++i) {
    if (std::isxdigit(static_cast<unsigned char>(value[i])) == 0) {
      throw malformed("colour '" + value + "' has non-hex digits");
    }
  }
  std::uint32_t rgb = 0;
  std::from_chars(value.data() + 1, value.data() + value.size(), rgb, 16);  // six hex digits, checked above
  return kOpaqueAlpha | rgb;
}

}  // namespace

std::uint32_t XpmImage::at(int x, int y) const {
  return argb.at(static_cast<std::size_t>(y * widthPx + x));
}

bool XpmImage::opaqueAt(int x, int y) const { return (at(x, y) & kOpaqueAlpha) != 0; }

XpmImage readXpm(const char* const* xpm) {
  if (xpm == nullptr || xpm[0] == nullptr) {
    throw malformed("no header");
  }
  XpmImage image;
  int charsPerPixel = 0;
  std::string_view header(xpm[0]);
  if (!readXpmNumber(header, image.widthPx) || !readXpmNumber(header, image.heightPx) ||
      !readXpmNumber(header, image.colourCount) || !readXpmNumber(header, charsPerPixel) ||
      image.widthPx <= 0 || image.heightPx <= 0 || image.colourCount <= 0 || charsPerPixel <= 0) {
    throw malformed(std::string("bad header '") + xpm[0] + "'");
  }
  std::map<std::string, std::uint32_t> colours;
  for (int i = 0; i < image.colourCount; ++i) {
    const std::string line = xpm[1 + i] == nullptr ? "" : xpm[1 + i];
    if (line.size() < static_cast<std::size_t>(charsPerPixel)) {
      throw malformed("short colour line");
    }
    const std::string key = line.substr(0, static_cast<std::size_t>(charsPerPixel));
    std::string_view rest = std::string_view(line).substr(key.size());
    const std::string_view kind = readXpmWord(rest);
    const std::string value(readXpmWord(rest));
    if (kind != "c" || value.empty()) {
      throw malformed("colour line '" + line + "' has no c value");
    }
    if (!colours.emplace(key, parseColour(value)).second) {
      throw malformed("colour key '" + key + "' defined twice");
    }
  }
  const std::size_t rowLength = static_cast<std::size_t>(image.widthPx * charsPerPixel);
  for (int y = 0; y < image.heightPx; ++y) {
    const char* text = xpm[1 + image.colourCount + y];
    const std::string row = text == nullptr ? "" : text;
    if (row.size() != rowLength) {
      throw malformed("row " + std::to_string(y) + " is " + std::to_string(row.size()) +
                      " characters, not " + std::to_string(rowLength));
    }
    for (std::size_t x = 0; x < rowLength; x += static_cast<std::size_t>(charsPerPixel)) {
      const auto found = colours.find(row.substr(x, static_cast<std::size_t>(charsPerPixel)));
      if (found == colours.end()) {
        throw malformed("row " + std::to_string(y) + " uses an undefined colour key");
      }
      image.argb.push_back(found->second);
    }
  }
  return image;
}

}  // namespace zol
