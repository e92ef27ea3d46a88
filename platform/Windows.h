#pragma once

namespace zol {

class Drawing;

// The three forms of the program.
enum class FormId { Title, Play, Help };

// The front end's windows, one per loaded form. The program tells it when a
// form is loaded or unloaded and when the controls of a form have changed;
// a windowed front end creates, repaints and destroys windows accordingly.
class Windows {
public:
    virtual ~Windows() = default;
    virtual void loaded(FormId form) = 0;
    virtual void unloaded(FormId form) = 0;
    virtual void bringToFront(FormId form) = 0;
    virtual void changed(FormId form) = 0;
    // The surface of a loaded form, for drawing behind its controls.
    virtual Drawing& drawing(FormId form) = 0;
    // `End`: the program stops at once; no further handler runs.
    virtual void end() = 0;
};

} // namespace zol
