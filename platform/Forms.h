#pragma once

#include "platform/Windows.h"

namespace zol {

// Showing, unloading and ending, as the screens ask for them. Showing an
// unloaded form loads it first and runs its load handler; showing a shown
// form brings it to the front. The program ends at `End`, or when its last
// loaded form is unloaded.
class Forms {
public:
    virtual ~Forms() = default;
    virtual void show(FormId form) = 0;
    virtual void unload(FormId form) = 0;
    virtual void end() = 0;
};

} // namespace zol
