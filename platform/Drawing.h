#pragma once

#include <cstdint>
#include <functional>

namespace zol {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Drawing on a form's own surface, behind its controls, in twips. Lines and
// circle outlines are one pixel wide. The drawing is not kept: a repaint of
// the form shows it without the drawing.
class Drawing {
public:
    virtual ~Drawing() = default;
    virtual void line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
    virtual void circle(double cx, double cy, double radius, Rgb colour) = 0;
    // Shows what was drawn since the last call, then continues with `then`.
    // A windowed front end may spread the showing over a short animation;
    // no timer event runs until `then` has been called.
    virtual void present(std::function<void()> then) = 0;
};

} // namespace zol
