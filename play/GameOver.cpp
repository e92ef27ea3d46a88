#include "play/GameOver.h"

#include "runtime/Rounding.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace zol::play {

namespace {

constexpr int kPasses = 16;
constexpr int kStepsFrom = -300;
constexpr int kBlueStep = 25;
constexpr double kStartYTw = 5640;  // the top edge of the ground band
constexpr double kFarYTw = -1000;   // 1000 twips above the client area
constexpr double kFarXTw = 15000;
constexpr double kFarXStepTw = 50;
constexpr int kBlastRadiusTw = 600;

std::uint8_t channel(double value) { return static_cast<std::uint8_t>(roundToInt32(value)); }

} // namespace

Rgb sweepColour(int k, int j) {
    const double red = 255.0 - (std::abs(j) / 300.0) * 255.0;
    return Rgb{channel(red), 0, static_cast<std::uint8_t>(std::min(kBlueStep * k, 255))};
}

Rgb blastColour(int r) { return Rgb{channel((r / 600.0) * 255.0), 0, 0}; }

ExplosionCount drawExplosion(Drawing& drawing, float x0) {
    ExplosionCount count;
    for (int k = 0; k < kPasses; ++k) {
        for (int j = kStepsFrom; j <= 0; ++j) {
            const Rgb colour = sweepColour(k, j);
            const double reach = kFarXStepTw * (j - kStepsFrom);
            drawing.line(x0, kStartYTw, reach - kFarXTw, kFarYTw, colour);
            drawing.line(x0, kStartYTw, kFarXTw - reach, kFarYTw, colour);
            count.lines += 2;
        }
    }
    for (int r = 0; r <= kBlastRadiusTw; ++r) {
        drawing.circle(x0, kStartYTw, r, blastColour(r));
        ++count.circles;
    }
    return count;
}

} // namespace zol::play
