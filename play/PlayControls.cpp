#include "play/PlayControls.h"

namespace zol::play {

PlayControls PlayControls::designed() {
    PlayControls c{
        {kLabel1Box, ""},
        {kLabel2Box, kLabel2Caption},
        {kLabel3Box, kLabel3Caption},
        {kLabel4Box, kLabel4Caption},
        {kConBox, kConCaption},
        {},
    };
    for (int i = 0; i < 7; ++i) c.image1[i] = Image{kImage1Boxes[i], true, kWalkerPictureAtLoad};
    return c;
}

} // namespace zol::play
