#pragma once

#include <cstdint>

namespace zol::play {

// The rule numbers of the play screen, in one place. Distances in twips.

// A tick runs only when the clock stands more than this many ms past the last one.
inline constexpr std::int64_t kTickGateMs = 50;

// A game starts with this many meteorites left; the game ends below 0.
inline constexpr std::int32_t kMeteorsAtStart = 9;
// Giving up sets the meteorites left to this, so the next tick ends the game.
inline constexpr std::int32_t kMeteorsWhenGivenUp = -1;

// The level's part in every speed, and its cap.
inline constexpr std::int32_t kSpeedFactorCap = 30;
// Left and Right change the sideways speed by this much a tick.
inline constexpr std::int32_t kSteerStepTw = 20;
// Down pushes the meteorite by kDownPushPerFactor x factor + kDownPushBase and earns a point.
inline constexpr std::int32_t kDownPushPerFactor = 7;
inline constexpr std::int32_t kDownPushBase = 3;
inline constexpr std::int32_t kDownPoints = 1;
// The fall of a tick: kFallBase + kFallPerFactor x factor.
inline constexpr std::int32_t kFallBaseTw = 40;
inline constexpr std::int32_t kFallPerFactor = 7;
// Where a meteorite starts again after a landing.
inline constexpr std::int32_t kRestartHeightTw = 200;

// A walker's step: walkSpeed x kWalkStepPerSpeed + kWalkStepBase; walkSpeed stops at its cap.
inline constexpr std::int32_t kWalkStepPerSpeed = 10;
inline constexpr std::int32_t kWalkStepBaseTw = 50;
inline constexpr std::int32_t kWalkSpeedCap = 50;
// A respawned walker stands somewhere in the outer width less this margin.
inline constexpr float kRespawnMarginTw = 700;

// A walker's frame: below kCrushedFrame a walking frame (0 to 3), from
// kCrushStartFrame a crush that counts up by kCrushFrameStep a tick; at
// kCrushEndFrame the walker comes back. A crushed frame shows the walker
// picture frame / kCrushFramesPerPicture: 4, 5 and 6 in turn.
inline constexpr std::int32_t kCrushedFrame = 4;
inline constexpr std::int32_t kCrushStartFrame = 40;
inline constexpr std::int32_t kCrushFrameStep = 2;
inline constexpr std::int32_t kCrushEndFrame = 70;
inline constexpr std::int32_t kCrushFramesPerPicture = 10;
// The walker pictures: four walking, three crushed.
inline constexpr int kWalkerPictures = 7;

// Points: a crush, and more for every level above 1; each combo count of a landing.
inline constexpr std::int32_t kCrushPoints = 100;
inline constexpr std::int32_t kCrushPointsPerLevel = 10;
inline constexpr std::int32_t kComboPoints = 50;
// Every this many points the level rises.
inline constexpr std::int32_t kLevelPoints = 300;

} // namespace zol::play
