#pragma once

#include <array>
#include <cmath>
#include <numbers>

namespace zol {

// An octave band, f/sqrt(2) to f*sqrt(2): fourth-order Butterworth high-
// and low-passes, each -3 dB at its edge, so that neighbouring bands add up
// to the whole. The cues are shaped with it, and measured.
class OctaveBand {
public:
    OctaveBand(double centreHz, int sampleRateHz) {
        // The two sections of a fourth-order Butterworth filter.
        constexpr std::array<double, 2> kSectionQ{0.5412, 1.3066};
        const double lowEdge = centreHz / std::numbers::sqrt2;
        const double highEdge = centreHz * std::numbers::sqrt2;
        for (std::size_t s = 0; s < kSectionQ.size(); ++s) {
            sections_[2 * s] = Section(true, lowEdge, kSectionQ[s], sampleRateHz);
            sections_[2 * s + 1] = Section(false, highEdge, kSectionQ[s], sampleRateHz);
        }
    }

    double run(double x) {
        for (auto& section : sections_) x = section.run(x);
        return x;
    }

private:
    class Section {
    public:
        Section() = default;
        Section(bool highPass, double cornerHz, double q, int sampleRateHz) {
            const double w = 2.0 * std::numbers::pi * cornerHz / sampleRateHz;
            const double alpha = std::sin(w) / (2.0 * q);
            const double a0 = 1.0 + alpha;
            const double c = std::cos(w);
            b0_ = (highPass ? (1.0 + c) : (1.0 - c)) / 2.0 / a0;
            b1_ = (highPass ? -2.0 * b0_ : 2.0 * b0_);
            b2_ = b0_;
            a1_ = -2.0 * c / a0;
            a2_ = (1.0 - alpha) / a0;
        }
        double run(double x) {
            const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
            x2_ = x1_;
            x1_ = x;
            y2_ = y1_;
            y1_ = y;
            return y;
        }

    private:
        double b0_ = 0.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
        double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
    };

    std::array<Section, 4> sections_;
};

} // namespace zol
