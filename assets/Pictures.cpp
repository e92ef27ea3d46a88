#include "assets/Pictures.h"

#include <array>
#include <cstddef>

// Each XPM file defines one `static const char* const NAME_xpm[]` array.
#include "assets/meteorite.xpm"
#include "assets/title_icon.xpm"
#include "assets/walker_0.xpm"
#include "assets/walker_1.xpm"
#include "assets/walker_2.xpm"
#include "assets/walker_3.xpm"
#include "assets/walker_4.xpm"
#include "assets/walker_5.xpm"
#include "assets/walker_6.xpm"

namespace zol {

namespace {

// The frames in the order the walker store numbers them.
constexpr std::array<const char* const*, kWalkerFrameCount> kWalkerFrames = {
    walker_0_xpm, walker_1_xpm, walker_2_xpm, walker_3_xpm,
    walker_4_xpm, walker_5_xpm, walker_6_xpm,
};

}  // namespace

const char* const* pictureXpm(Picture picture) {
  switch (picture) {
    case Picture::TitleIcon:
      return titleIconXpm();
    case Picture::Meteorite:
      return meteoriteXpm();
  }
  return nullptr;
}

const char* const* titleIconXpm() { return title_icon_xpm; }

const char* const* meteoriteXpm() { return meteorite_xpm; }

const char* const* walkerXpm(int index) {
  if (index < 0 || index >= kWalkerFrameCount) {
    return nullptr;
  }
  return kWalkerFrames[static_cast<std::size_t>(index)];
}

}  // namespace zol
