#pragma once

#include "platform/Drawing.h"
#include "platform/win32/SystemHeaders.h"
#include "play/Pixels.h"
#include "shell/DisplayMode.h"

#include <functional>

namespace zol::win32 {

// A screen's top-level window as designed (its caption, a close box but no
// maximise or minimise, its back colour and, for the title and play
// screens, the game's icon), drawn at a whole-number scale: a window whose
// client area is the designed size times the display mode's factor, or
// full screen with the screen centred on black. Both follow the window's
// screen density; a move to another density lays it out again. Subclasses
// handle their messages in `onMessage` and draw through `toDevice`.
class FormWindow {
public:
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    virtual ~FormWindow();

    HWND hwnd() const { return window_; }
    // Lays the window out as `mode` says on `monitor`, centred on its work
    // area or over the whole of it, and shows it.
    void showIn(const DisplayMode& mode, HMONITOR monitor);
    // `changed` hears when the game's windows gain the keyboard from another
    // program (true) or lose it.
    void onAppActivation(std::function<void(bool)> changed) { appActivation_ = std::move(changed); }

protected:
    FormWindow(ScreenId screen, const char* caption, Rgb back, bool withIcon);
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The scale or the density changed: controls, fonts and pictures are
    // made anew. Called once the window first knows them too.
    virtual void rescaled() {}
    HBRUSH backBrush() const { return back_; }
    // Full screen's black around the stage; nothing in a window.
    void paintBorder(HDC target) const;

    // A designed rectangle (pixels or twips at 100 %) in the client area's
    // device pixels.
    RECT toDevice(const play::PixelRect& designed) const;
    RECT toDevice(const play::Box& twips) const { return toDevice(play::toPixels(twips)); }
    // Where the screen shows: the client area but for full screen's border.
    RECT stage() const;
    // The density that text and pictures are drawn at: the screen's, times
    // the scale.
    int drawingDpi() const { return dpi_ * scale_.factor; }
    int factor() const { return scale_.factor; }

private:
    static LRESULT CALLBACK messages(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // `topLeft`, for a window, keeps it where the system put it.
    void place(const DisplayMode& mode, HMONITOR monitor, const POINT* topLeft);

    ScreenId screen_;
    HWND window_ = nullptr;
    HBRUSH back_ = nullptr;
    int dpi_ = 96;
    DisplayMode mode_;
    ScreenScale scale_;
    int laidOutDpi_ = 0;  // none yet
    std::function<void(bool)> appActivation_;
};

} // namespace zol::win32
