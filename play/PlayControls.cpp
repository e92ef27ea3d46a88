#include "play/PlayControls.h"

namespace zol::play {

PlayControls PlayControls::designed() {
    PlayControls c{
        {kStatusLineBox, ""},
        {kGroundBandBox, kGroundBandCaption},
        {kBestScoreBox, kBestScoreCaption},
        {kBestComboBox, kBestComboCaption},
        {kComboBannerBox, kComboBannerCaption},
        Image{kMeteorBox, true, kWalkerPictureAtLoad},
        {},
    };
    for (int i = 1; i <= 6; ++i) c.walker(i) = Image{kWalkerBoxes[i - 1], true, kWalkerPictureAtLoad};
    return c;
}

} // namespace zol::play
