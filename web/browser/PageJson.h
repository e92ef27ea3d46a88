#pragma once

#include "play/ExplosionShow.h"
#include "play/PlayScene.h"

#include <string>
#include <vector>

namespace zol::web {

// What the page paints, as JSON for web/page/: positions in pixels at 100 %,
// colours as [r, g, b], fonts as the design names them (the page's fonts
// stand in for them under those names).

// The three screens as designed: size, caption, back colour, and the title
// and help screens' controls.
std::string layoutJson();
// The play screen's scene, back to front.
std::string sceneJson(const std::vector<play::SceneItem>& scene);
// Strokes of the explosion: [isCircle, x1, y1, x2, y2, r, g, b] each.
std::string strokesJson(const std::vector<play::Stroke>& strokes);

} // namespace zol::web
