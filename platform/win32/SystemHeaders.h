#pragma once

// The Windows API, included once for the whole front end. Its MessageBox
// macro would rename the game's own MessageBox; the code calls
// MessageBoxW by name instead.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef MessageBox
