#pragma once

namespace zol {

// The three screens of the program, each in a window of its own.
enum class ScreenId { Title, Play, Help };

// Showing, unloading and ending, as the screens ask for them. Showing an
// unloaded screen loads it first; showing a shown screen brings it to the
// front. The program ends at `end`, or when its last screen is unloaded.
class Screens {
public:
    virtual ~Screens() = default;
    virtual void show(ScreenId screen) = 0;
    virtual void unload(ScreenId screen) = 0;
    virtual void end() = 0;
};

} // namespace zol
