#include "play/PlayScene.h"

#include <string>

namespace zol::play {

namespace {

SceneItem label(const Label& l, const LabelLook& look) {
    return {SceneItem::Kind::Label, toPixels(l.box), &look, l.caption, 0};
}

void addWalker(std::vector<SceneItem>& items, const Image& walker) {
    if (walker.visible) items.push_back({SceneItem::Kind::Walker, toPixels(walker.box), nullptr, {}, walker.picture});
}

template <typename Control>
void addChange(std::vector<PixelRect>& damage, const Control& before, const Control& now, bool wasShown,
               bool isShown) {
    if (before == now) return;
    if (wasShown) damage.push_back(toPixels(before.box));
    if (isShown) damage.push_back(toPixels(now.box));
}

} // namespace

std::vector<SceneItem> playScene(const PlayControls& c) {
    std::vector<SceneItem> items;
    items.reserve(12);
    addWalker(items, c.walker(1));
    if (c.meteor.visible) items.push_back({SceneItem::Kind::Meteorite, toPixels(c.meteor.box), nullptr, {}, 0});
    items.push_back(label(c.statusLine, kStatusLineLook));
    items.push_back(label(c.groundBand, kGroundBandLook));
    items.push_back(label(c.bestScoreLabel, kBestScoreLook));
    for (int i = 2; i <= 6; ++i) addWalker(items, c.walker(i));
    items.push_back(label(c.comboBanner, kComboBannerLook));
    items.push_back(label(c.bestComboLabel, kBestComboLook));
    return items;
}

std::vector<PixelRect> playDamage(const PlayControls& before, const PlayControls& now) {
    std::vector<PixelRect> damage;
    addChange(damage, before.meteor, now.meteor, before.meteor.visible, now.meteor.visible);
    for (int i = 1; i <= 6; ++i)
        addChange(damage, before.walker(i), now.walker(i), before.walker(i).visible, now.walker(i).visible);
    for (const auto member : {&PlayControls::statusLine, &PlayControls::groundBand, &PlayControls::bestScoreLabel,
                              &PlayControls::bestComboLabel, &PlayControls::comboBanner})
        addChange(damage, before.*member, now.*member, true, true);
    return damage;
}

} // namespace zol::play
