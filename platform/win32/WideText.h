#pragma once

#include <string>

namespace zol::win32 {

// The game keeps its text in UTF-8; the system's wide functions take
// UTF-16.
std::wstring wide(const std::string& utf8);
std::string utf8(const wchar_t* text);

// A system error code in words, in the system's language.
std::string systemMessage(unsigned long code);

} // namespace zol::win32
