#pragma once

#include "web/browser/PageProgram.h"

#include <cstdint>
#include <string>

// What the page's exports share: the page's one program, made by zolbas_start, and the
// text an export gives back, valid until the next export gives one.
namespace zol::web::exported {

PageProgram& program();
const char* give(std::string value);

// The page's real milliseconds since the game started, as the game counts them.
inline std::int64_t ms(double elapsedMs) { return static_cast<std::int64_t>(elapsedMs); }

} // namespace zol::web::exported
