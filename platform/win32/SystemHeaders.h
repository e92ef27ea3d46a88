#pragma once

// The Windows API, included once for the whole front end. The code calls
// the wide functions by name (MessageBoxW), so the narrow/wide macros are
// not needed.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
