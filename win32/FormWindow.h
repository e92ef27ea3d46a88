#pragma once

#include "platform/Drawing.h"
#include "platform/win32/SystemHeaders.h"

namespace zol::win32 {

// A screen's top-level window as designed: its caption, a fixed client
// size in twips (a close box, no maximise or minimise), its back colour
// and, for the title and play screens, the game's icon. The client area is
// scaled by the window's screen density; a move to another screen scales
// it again. Subclasses handle their messages in `onMessage`.
class FormWindow {
public:
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    virtual ~FormWindow();

    HWND hwnd() const { return window_; }
    int dpi() const { return dpi_; }
    // Centres the window on the work area, shows it and gives it the keyboard.
    void showCentred();

protected:
    FormWindow(const char* caption, float widthTw, float heightTw, Rgb back, bool withIcon);
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The density changed: fonts and pictures are made anew.
    virtual void rescaled() {}
    HBRUSH backBrush() const { return back_; }

private:
    static LRESULT CALLBACK messages(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    SIZE outerSize() const;

    HWND window_ = nullptr;
    HBRUSH back_ = nullptr;
    float widthTw_, heightTw_;
    int dpi_ = 96;
};

} // namespace zol::win32
