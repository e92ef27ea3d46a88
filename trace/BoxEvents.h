#pragma once

#include "platform/MessageBoxes.h"

#include <cstdint>
#include <string>

namespace zol {

// The trace's events of a message box: opened, and closed with an answer.
std::string msgboxEvent(std::int64_t t, const BoxRequest& box);
std::string answerEvent(std::int64_t t, int answer);

} // namespace zol
