#include "runtime/DecimalRounding.h"

#include <vector>

namespace zol {

namespace {

// More whole digits than this cannot fit the signed 32-bit range.
constexpr std::size_t kMaxWholeDigits = 10;
// Bits a double holds below its leading one.
constexpr int kDoubleFractionBits = 52;
// The fraction is doubled nine decimal places at a time, in 32-bit limbs.
constexpr std::size_t kLimbDigits = 9;
constexpr std::uint32_t kLimbBase = 1'000'000'000;

// The first `bits` binary places of the decimal fraction 0.digits, as an
// integer, and whether any place after them is not zero.
struct BinaryPlaces {
    std::uint64_t leading = 0;
    bool more = false;
};

BinaryPlaces binaryPlaces(std::string_view digits, int bits) {
    // Nine decimal places to a limb, the last one filled up with zeros.
    std::vector<std::uint32_t> limbs;
    for (std::size_t start = 0; start < digits.size(); start += kLimbDigits) {
        std::uint32_t limb = 0;
        for (std::size_t i = start; i < start + kLimbDigits; ++i) {
            limb = limb * 10 + (i < digits.size() ? static_cast<std::uint32_t>(digits[i] - '0') : 0);
        }
        limbs.push_back(limb);
    }
    BinaryPlaces places;
    for (int bit = 0; bit < bits; ++bit) {
        // Doubling the fraction carries its next binary place out in front.
        std::uint32_t carry = 0;
        for (std::size_t i = limbs.size(); i-- > 0;) {
            const std::uint32_t twice = limbs[i] * 2 + carry;
            carry = twice >= kLimbBase ? 1 : 0;
            limbs[i] = twice - carry * kLimbBase;
        }
        places.leading = places.leading << 1 | carry;
    }
    for (const std::uint32_t limb : limbs) places.more = places.more || limb != 0;
    return places;
}

} // namespace

std::optional<std::uint64_t> nearestWholeOfDecimal(std::string_view wholeDigits,
                                                   std::string_view fractionDigits) {
    while (!wholeDigits.empty() && wholeDigits.front() == '0') wholeDigits.remove_prefix(1);
    if (wholeDigits.size() > kMaxWholeDigits) return std::nullopt;
    std::uint64_t whole = 0;
    for (const char c : wholeDigits) whole = whole * 10 + static_cast<std::uint64_t>(c - '0');

    // Near whole + 1/2 the doubles lie 2^(e - 52) apart, e being the exponent
    // of its leading bit: whole's, or -1 when whole is 0 (below 0.5 they lie
    // closer, but 0 is even, so only the side above counts there). The
    // double read is whole + 1/2 exactly when the fraction is within half a
    // step, 2^-halfStepBits, of 1/2, ties going to that half (its last bit
    // is even); beyond that the rounding is plain.
    int halfStepBits = kDoubleFractionBits + 2;
    for (std::uint64_t rest = whole; rest != 0; rest >>= 1) --halfStepBits;
    const BinaryPlaces places = binaryPlaces(fractionDigits, halfStepBits);
    const std::uint64_t half = std::uint64_t{1} << (halfStepBits - 1);
    const bool aboveTheHalf = places.leading > half + 1 || (places.leading == half + 1 && places.more);
    const bool readAsTheHalf = !aboveTheHalf && places.leading + 1 >= half;
    const bool odd = whole % 2 == 1;
    return aboveTheHalf || (readAsTheHalf && odd) ? whole + 1 : whole;
}

} // namespace zol
